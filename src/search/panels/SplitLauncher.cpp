#include "search/panels/SplitLauncher.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

#include "companions/CatalogueSplitter.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Yield.h"

namespace quilmo::panels {

SplitLauncher::SplitLauncher(PanelServices& services)
    : QObject(services.window()), programFolder(QCoreApplication::applicationDirPath()), services_(services) {
  onActivated(services.controls().discButtons.split, [this] { launch(); });
}

void SplitLauncher::launch() {
  const QString disc = services_.controls().discName.discList->currentText();
  if (disc.trimmed().isEmpty()) return say(QStringLiteral("Choose the disc to split in the disc list first."));
  const companions::SplitLaunch split = companions::splitLaunch(programFolder, services_.values().dataPath, disc);
  const QString catalogue = companions::parseSplitArgument(split.arguments.value(0)).cataloguePath;
  if (!QFileInfo(catalogue).isFile())
    return say(QStringLiteral("There is no catalogue of the disc %1 (%2).").arg(disc.trimmed(), catalogue));
  if (!QFileInfo(split.program).isExecutable())
    return say(QStringLiteral("The split program %1 is missing: it belongs beside Quilmo.").arg(split.program));
  const LaunchResult started = startDetached(split.program, split.arguments);
  if (!started.started) return say(started.error);
  services_.yielder().now(YieldKind::Low);
}

void SplitLauncher::say(const QString& text) {
  services_.dialogs().message(QStringLiteral("Split current disc"), text);
}

SplitLauncher* attachSplitLauncher(PanelServices& services) { return new SplitLauncher(services); }

}  // namespace quilmo::panels
