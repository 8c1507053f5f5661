#include "library/DiscLoadPanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/NameRules.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsStore.h"
#include "platform/Yield.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {

const QString kWhereTitle = QStringLiteral("Where to open disc");
const QColor kPink(255, 192, 192);
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kErrorBack(128, 0, 0);
const QColor kErrorText(0, 255, 255);

}  // namespace

DiscLoadPanel::DiscLoadPanel(PanelServices& services)
    : QObject(services.window()),
      viewer(QCoreApplication::applicationDirPath() + QStringLiteral("/lornex")),
      services_(services),
      discList_(services.controls().discName.discList),
      view_(services.controls().viewBar.view),
      busy_(services.controls().status.loading),
      discCount_(services.controls().discName.discCount),
      updateLabel_(services.controls().discButtons.updateXFiles) {
  // Only picking an entry loads a disc: the widget factory keeps a typed name from
  // activating a listed one when the edit line is left.
  connect(discList_, &QComboBox::activated, this, [this] { load(); });
}

void DiscLoadPanel::load() {
  ProgramValues& values = services_.values();
  services_.restoreStatusColour();
  services_.controls().fileList.rawFiles->setEnabled(false);
  const QString name = discList_->currentText();
  services_.setStatus(QStringLiteral("Loading Info"));
  services_.yielder().now(YieldKind::Always);
  const QChar lf = kLineBreak;
  if (!values.autoMode &&
      services_.msG(QStringLiteral("Open Disc to Load"), MsgButton::Yes | MsgButton::No,
                    QStringLiteral("You are about to open:") + lf + lf + name + lf + lf +
                        QStringLiteral("Do you want to continue?"),
                    MsgIcon::Information) != Answer::Yes)
    return;

  view_->clear();
  setCaption(services_.controls().viewBar.folders, QString());
  setCaption(services_.controls().viewBar.files, QString());
  busy_->show();
  busy_->raise();
  services_.yielder().now(YieldKind::Default);

  // A name that cannot be a disc name has no catalogue, and must not reach outside the
  // data folder.
  const QString catalogue =
      whyNameIsRefused(name).isEmpty() ? resolveInFolder(values.dataPath, name + QStringLiteral(".rtf")) : QString();
  const Outcome outcome = catalogue.isEmpty() ? Outcome::NotThere : open(catalogue);
  if (outcome == Outcome::Closed) {
    busy_->hide();
    services_.setStatus(QStringLiteral("Nothing was opened."));
    return;
  }
  if (outcome != Outcome::Shown && outcome != Outcome::HandedOver) return fail(outcome);

  showSize(name);
  services_.quilmoCap(name + QStringLiteral(".rtf"));
  services_.setStatus(QStringLiteral("Finished Loading"), kYellow);
  services_.yielder().now(YieldKind::Always);
  busy_->hide();
  view_->setCaretPosition(0);
  view_->raise();
  if (outcome == Outcome::Shown) Q_EMIT discShown(catalogue);
}

DiscLoadPanel::Outcome DiscLoadPanel::open(const QString& catalogue) {
  // Checked before the question, so the user is not asked where to open what is not there.
  const QFileInfo info(catalogue);
  if (!info.isFile()) return Outcome::NotThere;
  if (QFile file(catalogue); !file.open(QIODevice::ReadOnly)) return Outcome::InUse;
  // Every catalogue holds at least its totals line: an empty one is what a cut-off copy left.
  if (info.size() == 0) return Outcome::NotThere;

  const QString where = QStringLiteral("Open disc in this program (Yes) or in New List(No)");
  switch (services_.dialogs().yesNo(kWhereTitle, where)) {
    case Answer::Yes: return view_->loadFile(catalogue) ? Outcome::Shown : Outcome::InUse;
    case Answer::No: break;
    default: return Outcome::Closed;
  }
  const LaunchResult started = startDetached(viewer, {QDir::toNativeSeparators(catalogue)});
  if (started.started) return Outcome::HandedOver;
  services_.dialogs().message(kWhereTitle, started.error);
  return Outcome::NotThere;
}

void DiscLoadPanel::fail(Outcome error) {
  busy_->hide();
  services_.setStatus(error == Outcome::InUse
                          ? QStringLiteral("ERROR: File in use!!. Type another!")
                          : QStringLiteral("ERROR: Maybe interrupted before; empty; not existing.   -  Enter to create"),
                      kErrorBack, kErrorText);
}

void DiscLoadPanel::showSize(const QString& name) {
  const QString size = services_.discSettings().value(name, QStringLiteral("Size"));
  const QString shown = size.isEmpty() ? QStringLiteral("*") + grouped(double(view_->lineCount())) : size;
  setCaption(discCount_, shown);
  setBackColour(updateLabel_, shown.startsWith(u'*') ? kPink : kGreen);
}

DiscLoadPanel* attachDiscLoad(PanelServices& services) { return new DiscLoadPanel(services); }

}  // namespace quilmo::panels
