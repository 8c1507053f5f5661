#include "capture/CreationPanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTimer>

#include "capture/CreationClaim.h"
#include "capture/DiscCreation.h"
#include "capture/Scanner.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/DiscListBox.h"
#include "library/DiscMaintenance.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"
#include "platform/NameRules.h"
#include "platform/NumberFormat.h"
#include "platform/SettingsStore.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "search/IndexKeeper.h"
#include "widgets/CatalogueView.h"
#include "widgets/XCommandLUP.h"

namespace quilmo::panels {

namespace {

const QString kTitle = QStringLiteral("Create a disc");
const QString kCreatingCaption = QStringLiteral("CREATING. PLEASE Wait...");
const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);

QString discErrorText() {
  const QChar lf = kLineBreak;
  return QStringLiteral("An unforseen problem:") + lf + QStringLiteral("1.   Disc in drive is blank") + lf +
         QStringLiteral("2.  Disc in drive is a RW and settings to read were not installed") + lf +
         QStringLiteral("3.  Disc cannot be read (for whatever reason)") + lf + lf + QStringLiteral("Conclusion:") + lf +
         QStringLiteral("If the problem persist, use another disc to write and store data and/or information using "
                        "this name for later creation.");
}

QString autorunText() {
  const QChar lf = kLineBreak;
  return QStringLiteral("If you have Autorun activated on your computer, please wait until it's finished loading (or "
                        "click cancel and then close) before continueing this program.") +
         lf + lf +
         QStringLiteral("If you do, please do not be alarmed when the screen go blank for a while. The reason for this "
                        "is because the panel on the left is been updated with the newest information.");
}

QString makeCertainText(const QString& drive, const QString& name) {
  const QChar lf = kLineBreak;
  return QStringLiteral("The following drive will be build:") + lf + lf + QStringLiteral("Drive: [") + drive +
         QStringLiteral("]") + lf + QStringLiteral(" Name: [") + name + QStringLiteral("].") + lf + lf +
         QStringLiteral("Do you want me to continue?");
}

// The entry at the top of TeX's drop-down as the user last left it scrolled.
QString topVisibleEntry(const QComboBox& box) {
  if (box.count() == 0) return {};
  const QModelIndex top = box.view()->indexAt(QPoint(1, 1));
  return box.itemText(top.isValid() ? top.row() : 0);
}

}  // namespace

CreationPanel::CreationPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      discList_(services.controls().discName.discList),
      view_(services.controls().viewBar.view),
      creating_(services.controls().status.creating),
      reading_(services.controls().status.reading),
      status_(services.controls().status.line),
      folderCount_(services.controls().viewBar.folders),
      fileCount_(services.controls().viewBar.files),
      updateLabel_(services.controls().discButtons.updateXFiles) {
  // Keys reach the box first, which hands them to its edit line.
  discList_->installEventFilter(this);

  connect(services.controls().discName.nextDisc, &XCommandLUP::Click, this, &CreationPanel::nextDisc);
  connect(services_.controls().scope.listChanged, &QAbstractButton::clicked, this,
          [this] { hideNewDiscNotice(); });
  // Asked once the window shows, so the questions have a window to stand on.
  QTimer::singleShot(0, this, &CreationPanel::offerCutOffCreations);
}

void CreationPanel::offerCutOffCreations() {
  const QString dataPath = services_.values().dataPath;
  for (const QString& name : capture::cutOffCreations(dataPath)) {
    capture::DiscCreation creation(dataPath, services_.values().appFolder, services_.drives(), services_.programSettings());
    if (!creation.isListed(name) || QFileInfo::exists(creation.cataloguePath(name))) continue;
    const QChar lf = kLineBreak;
    const Answer answer = services_.dialogs().yesNoCancel(
        QStringLiteral("A disc was not finished"),
        QStringLiteral("Quilmo stopped while the disc \"%1\" was being created, so the disc list names it but it "
                       "has no catalogue.").arg(printableName(name)) + lf + lf +
            QStringLiteral("Yes: create it again now.") + lf + QStringLiteral("No: remove it from the disc list.") +
            lf + QStringLiteral("Cancel: leave it as it is."));
    if (answer == Answer::Yes) {
      discList_->setEditText(name);
      create();
    } else if (answer == Answer::No) {
      library::DiscMaintenance maintenance(dataPath, services_.discSettings());
      const library::MaintenanceResult result = maintenance.remove({name});
      if (result.refused) services_.dialogs().message(kTitle, result.refusal);
      else removeEntries(*discList_, name);
    }
  }
}

bool CreationPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != discList_) return false;
  if (isEnterPress(event)) {
    nameStep();
    return true;
  }
  if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() != 0) updateNameMatch();
  return false;
}

void CreationPanel::updateNameMatch() {
  services_.values().nameMatch = equalsIgnoringCase(topVisibleEntry(*discList_), discList_->currentText());
}

void CreationPanel::create() {
  // Refused before CrePan is touched: a running build still shows it.
  if (refusedAtStart(discList_->currentText())) return;
  creating_->show();
  yield();
  nameStep();
  creating_->hide();
  setCaption(creating_, kCreatingCaption);
}

bool CreationPanel::refusedAtStart(const QString& name) {
  QString why = whyNameIsRefused(name);
  if (busy_ || capture::DiscCreation::isRunning()) why = capture::DiscCreation::busyMessage();
  if (why.isEmpty()) return false;
  services_.dialogs().message(kTitle, why);
  return true;
}

bool CreationPanel::claimed(capture::CreationClaim& claim) {
  if (claim.acquire()) return true;
  services_.dialogs().message(kTitle, claim.refusal());
  return false;
}

void CreationPanel::nameStep() {
  QString name = discList_->currentText();
  if (refusedAtStart(name)) return;
  const QScopedValueRollback<bool> busy(busy_, true);
  // A rebuild shows CrePan before its last questions; an answer that stops it hides it again.
  const auto hideNotice = qScopeGuard([this] { creating_->hide(); });
  ProgramValues& values = services_.values();
  const QChar lf = kLineBreak;

  if (values.nameMatch) {
    const Answer rebuild = services_.dialogs().yesNo(
        QStringLiteral("Disc with filename already exists"),
        QStringLiteral("File already exists.") + lf + QStringLiteral("Do you want to Re-USE this filename? (Rebuild)"));
    if (rebuild == Answer::No) Q_EMIT loadDiscRequested();
    if (rebuild != Answer::Yes) return;  // closed unanswered: neither rebuilt nor loaded
  }
  view_->clear();
  if (!values.autoMode)
    services_.msG(QStringLiteral("Autorun Message"), MsgButton::Yes, autorunText(), MsgIcon::Warning);

  reading_->show();
  yield();
  capture::DiscCreation creation(values.dataPath, values.appFolder, services_.drives(), services_.programSettings());
  if (!creation.hasDisc(DriveMap::letterOf(values.discDrive))) {
    reading_->hide();
    showDiscError();
    return;
  }
  reading_->hide();
  yield();

  const int listedAt = indexIgnoringCase(itemsOf(*discList_), name);
  const bool listed = listedAt >= 0;
  // A listed name is rebuilt under the list's spelling, so its catalogue stays one file.
  if (listed) name = discList_->itemText(listedAt);
  if (listed && services_.msG(QStringLiteral("Name EXISTS!!!"), MsgButton::Yes | MsgButton::No,
                              QStringLiteral("The name already exists. Must I re-used the name?"),
                              MsgIcon::Warning) != Answer::Yes)
    return;
  capture::CreationClaim claim(values.dataPath, name);
  if (!claimed(claim)) return;
  QString error;
  if (!creation.registerName(name, &error)) {
    services_.dialogs().message(kTitle, QStringLiteral("The disc list could not be written, so the disc was not "
                                                       "added: ") + error);
    return;
  }
  if (listed) {
    creating_->show();
    yield();
  } else {
    addSorted(name);
    services_.window()->setWindowTitle(QStringLiteral("Quilmo 2016 [") + name + QStringLiteral("]"));
  }

  if (!values.autoMode &&
      services_.msG(QStringLiteral("Name Set"), MsgButton::Yes | MsgButton::No,
                    QStringLiteral("Are you ready to start?"), MsgIcon::Information) != Answer::Yes)
    return;
  buildDisc(name);
}

void CreationPanel::build() {
  const QString name = discList_->currentText();
  if (refusedAtStart(name)) return;
  capture::CreationClaim claim(services_.values().dataPath, name);
  if (!claimed(claim)) return;
  const QScopedValueRollback<bool> busy(busy_, true);
  buildDisc(name);
}

void CreationPanel::buildDisc(const QString& name) {
  ProgramValues& values = services_.values();
  if (!values.autoMode &&
      services_.msG(QStringLiteral("Just to make certain"), MsgButton::Yes | MsgButton::No,
                    makeCertainText(values.discDrive, name), MsgIcon::Information) != Answer::Yes)
    return;
  creating_->show();
  creating_->raise();
  yield();
  view_->clear();
  services_.setStatus(QStringLiteral("Creating Info"));
  yield();
  const QChar letter = DriveMap::letterOf(values.discDrive);
  values.scanRoot = values.discDrive + QStringLiteral(":\\");
  status_->hide();

  // The counts are shown, and the window repaints, at the first entry and then at most
  // every few milliseconds: a label update per entry would cost more than the walk.
  QElapsedTimer clock;
  const auto progress = [this, &clock](const capture::ScanCounts& counts, std::string_view) {
    if (clock.isValid() && clock.elapsed() < Yielder::kThrottleMs) return;
    showCounts(counts);
    services_.yielder().now(YieldKind::Always);
    clock.start();
  };
  capture::DiscCreation creation(values.dataPath, values.appFolder, services_.drives(), services_.programSettings());
  const capture::CreationResult result = creation.build(name, letter, progress);
  if (result.status == capture::CreationStatus::Created) services_.indexKeeper().request(values.dataPath);
  values.filesCount = result.counts.files;
  values.foldersCount = result.counts.folders;
  showCounts(result.counts);
  // A failed build kept the old catalogue; the user is told, then sees what there is.
  if (result.status == capture::CreationStatus::NoDisc) showDiscError();
  else if (result.status != capture::CreationStatus::Created) services_.dialogs().message(kTitle, result.message);

  appendToCaption(result.counts);
  if (values.prioLevel == 5) yield();
  services_.restoreStatusColour();
  view_->clear();
  setBackColour(updateLabel_, kGreen);
  const QString catalogue = creation.cataloguePath(name);
  const bool shown = view_->loadFile(catalogue);
  services_.quilmoCap(name + QStringLiteral(".rtf"));
  services_.setStatus(QStringLiteral("Finished Creating. Loading Info (can take a while..."));
  yield();
  const QString unreadable = capture::unreadableText(result.counts);
  QString finished = unreadable.isEmpty() ? QStringLiteral("Finished.") : QStringLiteral("Finished. ") + unreadable;
  // The catalogue is whole without its facts; the user still hears that they are missing.
  if (!result.factsError.isEmpty())
    finished += (unreadable.isEmpty() ? QStringLiteral(" ") : QStringLiteral(". ")) + result.factsError;
  services_.setStatus(finished, kYellow, kBlack);
  status_->show();
  yield();
  view_->raise();
  creating_->hide();
  if (shown) Q_EMIT discShown(catalogue);
  yield();
}

void CreationPanel::showCounts(const capture::ScanCounts& counts) {
  setCaption(folderCount_, groupedOrEmpty(counts.folders));
  setCaption(fileCount_, groupedOrEmpty(counts.files));
}

void CreationPanel::appendToCaption(const capture::ScanCounts& counts) {
  QWidget* window = services_.window();
  window->setWindowTitle(window->windowTitle() + QStringLiteral(" Dir:") + grouped(counts.folders) +
                         QStringLiteral(" File:") + grouped(counts.files));
}

void CreationPanel::addSorted(const QString& name) {
  discList_->insertItem(sortedInsertPosition(itemsOf(*discList_), name), name);
  discList_->setEditText(name);  // inserting into an empty list selects the entry
}

void CreationPanel::showDiscError() {
  services_.msG(QStringLiteral("Disc ERROR"), MsgButton::Yes, discErrorText(), MsgIcon::Warning);
}

void CreationPanel::nextDisc() { discList_->setEditText(capture::nextDiscName(discList_->currentText())); }

void CreationPanel::hideNewDiscNotice() {
  services_.controls().scope.listChanged->hide();
  services_.programSettings().setValue(QStringLiteral("Changes"), QStringLiteral("NewDisc"), QStringLiteral("False"));
}

void CreationPanel::yield() { services_.yielder().now(YieldKind::Always); }

CreationPanel* attachCreation(PanelServices& services) { return new CreationPanel(services); }

}  // namespace quilmo::panels
