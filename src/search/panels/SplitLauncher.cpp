#include "search/panels/SplitLauncher.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>

#include "companions/CatalogueSplitter.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"

namespace quilmo::panels {

SplitLauncher::SplitLauncher(PanelServices& services)
    : QObject(services.window()), programFolder(QCoreApplication::applicationDirPath()), services_(services) {
  onActivated(services.controls().discButtons.split, [this] { launch(); });
}

SplitLauncher::~SplitLauncher() {
  if (running_) running_->waitForFinished(-1);
}

void SplitLauncher::launch() {
  if (running_) return say(QStringLiteral("A split is still running. Wait until the status line says it has finished."));
  const QString disc = services_.controls().discName.discList->currentText();
  if (disc.trimmed().isEmpty()) return say(QStringLiteral("Choose the disc to split in the disc list first."));
  const companions::SplitLaunch split = companions::splitLaunch(programFolder, services_.values().dataPath, disc);
  const QString catalogue = companions::parseSplitArgument(split.arguments.value(0)).cataloguePath;
  if (!QFileInfo(catalogue).isFile())
    return say(QStringLiteral("There is no catalogue of the disc %1 (%2).").arg(disc.trimmed(), catalogue));
  if (!QFileInfo(split.program).isExecutable())
    return say(QStringLiteral("The split program %1 is missing: it belongs beside Quilmo.").arg(split.program));

  running_ = new QProcess(this);
  running_->setProcessChannelMode(QProcess::ForwardedOutputChannel);  // its errors are read, its summary is not
  connect(running_, &QProcess::finished, this, [this, disc](int exitCode, QProcess::ExitStatus status) {
    report(disc.trimmed(), status == QProcess::NormalExit ? exitCode : -1);
  });
  connect(running_, &QProcess::errorOccurred, this, [this, disc](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) report(disc.trimmed(), -1);
  });
  services_.setStatus(QStringLiteral("Splitting %1 into type files ...").arg(disc.trimmed()));
  running_->start(split.program, split.arguments);
}

void SplitLauncher::report(const QString& disc, int exitCode) {
  const QString error = QString::fromLocal8Bit(running_->readAllStandardError()).trimmed();
  const QString why = error.isEmpty() ? running_->errorString() : error;
  running_->deleteLater();
  running_ = nullptr;
  if (exitCode != 0) {
    services_.setStatus(QStringLiteral("The split of %1 failed: %2").arg(disc, why));
  } else {
    const qsizetype types = companions::splitTypesOf(services_.values().dataPath, disc).size();
    services_.setStatus(QStringLiteral("The split of %1 has finished: %2 type file(s) in Split-9.").arg(disc).arg(types));
  }
  Q_EMIT finished();
}

void SplitLauncher::say(const QString& text) {
  services_.dialogs().message(QStringLiteral("Split current disc"), text);
}

SplitLauncher* attachSplitLauncher(PanelServices& services) { return new SplitLauncher(services); }

}  // namespace quilmo::panels
