#include "library/MaintenancePanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "kit/ControlTexts.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/DiscListBox.h"
#include "library/DiscListFile.h"
#include "library/DiscMaintenance.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "search/IndexKeeper.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {


const QString kNothingSelected = QStringLiteral("There is no disc selected to delete!");
const QString kDeleteHeading = QStringLiteral("DELETE the selected disc");
const QString kContinue = QStringLiteral("Do you want to continue?");
const QString kUndoTitle = QStringLiteral("Undo last change to the disc list");
const QString kCatalogueSuffix = QStringLiteral(".rtf");

}  // namespace

MaintenancePanel::MaintenancePanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      discList_(services.controls().discName.discList),
      discCount_(services.controls().discName.discCount),
      updateLabel_(services.controls().discButtons.updateXFiles),
      searchWords_(services.controls().find.words),
      deletePanel_(services.controls().maintenance.deleteFrame),
      deleteList_(services.controls().maintenance.deleteList) {
  deleteList_->setSelectionMode(QAbstractItemView::MultiSelection);
  onActivated(services_.controls().discButtons.rename, [this] { rename(); });
  onActivated(services_.controls().discButtons.open, [this] { Q_EMIT openDiscRequested(); });
  onActivated(services_.controls().discButtons.deleteDisc, [this] { deleteOne(); });
  onActivated(services_.controls().find.clearWords, [this] { clearSearchWords(); });
  onActivated(services_.controls().discButtons.deleteMany, [this] { showDeleteMany(); });
  onActivated(services_.controls().maintenance.closeDelete, [this] { hideDeleteMany(); });
  onActivated(services_.controls().maintenance.deleteSelected, [this] { deleteMany(); });
}

void MaintenancePanel::rename() {
  const QString dataPath = services_.values().dataPath;
  const QString current = discList_->currentText();
  library::DiscMaintenance maintenance(dataPath, services_.discSettings());
  maintenance.setAfterEntry([this] { services_.yielder().at(YieldKind::Low); });

  const QString title = QStringLiteral("RENAME A DISC");
  const QString to = services_.dialogs().input(title, QStringLiteral("Rename current disc to:"), current).value_or(QString());
  if (to.isEmpty()) {
    services_.dialogs().message(title, maintenance.whyRenameIsRefused({}, current, to));
    return;
  }
  const library::MaintenanceResult result = maintenance.rename(current, to);
  if (result.refused) {
    if (!result.refusal.isEmpty()) services_.dialogs().message(title, result.refusal);
    return;
  }
  services_.indexKeeper().request(dataPath);
  showStepErrors(names::discButtons::rename.index, result);
  reloadDiscList();
  showAfterChange(current, result);
  setBackColour(discCount_, kLightGrey);
}

void MaintenancePanel::deleteOne() {
  const QString name = discList_->currentText();
  if (name.isEmpty()) return sayError(kNothingSelected);
  const QString dataPath = services_.values().dataPath;
  const QStringList list = library::readDiscList(dataPath);
  if (indexIgnoringCase(list, name) < 0) return sayError(library::DiscMaintenance::notListed(name));

  const QChar lf = kLineBreak;
  if (!confirmed(kDeleteHeading, QStringLiteral("You are about to DELETE:") + lf + lf + name + lf + lf + kContinue))
    return;
  library::DiscMaintenance maintenance(dataPath, services_.discSettings());
  const library::MaintenanceResult result = maintenance.remove({name});
  if (result.refused) {
    services_.dialogs().message(kDeleteHeading, result.refusal);
    return;
  }
  services_.indexKeeper().request(dataPath);
  showStepErrors(names::discButtons::deleteDisc.index, result);
  removeEntries(*discList_, name);  // TeX still names the disc in view

  if (services_.dialogs().yesNo(QStringLiteral("DELETE disc COMPLETELY!!"),
                                QStringLiteral("Do you want me to CLEAR the workspace?")) == Answer::Yes) {
    Q_EMIT clearViewRequested();
    discList_->setEditText(QString());
    services_.quilmoCap(QString());
    setBackColour(updateLabel_, kLightGrey);
  }
}

void MaintenancePanel::clearSearchWords() {
  const QChar lf = kLineBreak;
  if (confirmed(QStringLiteral("Clear(DELETE) all search entries!!!"),
                QStringLiteral("You are about to DELETE ALL the search entries!") + lf + lf + kContinue))
    searchWords_->clear();
}

void MaintenancePanel::showDeleteMany() {
  deleteList_->clear();
  deleteList_->addItems(itemsOf(*discList_));
  deletePanel_->show();
  deletePanel_->raise();
}

void MaintenancePanel::hideDeleteMany() { deletePanel_->hide(); }

void MaintenancePanel::deleteMany() {
  const QStringList marked = markedEntriesOf(*deleteList_);
  if (marked.isEmpty()) {
    sayError(kNothingSelected);
    deleteList_->clear();
    hideDeleteMany();
    return;
  }
  const QChar lf = kLineBreak;
  if (!confirmed(kDeleteHeading,
                 QStringLiteral("You are about to DELETE the selected discs in the list.") + lf + lf + kContinue))
    return;

  const QString shown = discList_->currentText();
  library::DiscMaintenance maintenance(services_.values().dataPath, services_.discSettings());
  maintenance.setAfterEntry([this] { services_.yielder().at(YieldKind::Low); });
  const library::MaintenanceResult result = maintenance.remove(marked);
  // Refused when another program changed the list since the panel was filled: the list
  // is shown as it is now.
  if (result.refused) services_.dialogs().message(kDeleteHeading, result.refusal);
  else services_.indexKeeper().request(services_.values().dataPath);
  showStepErrors(names::maintenance::deleteSelected.index, result);
  reloadDiscList();
  showAfterChange(shown, result);  // the view is left as it is
  deleteList_->clear();
  hideDeleteMany();
  setBackColour(updateLabel_, kLightGrey);
}

void MaintenancePanel::undoLastListChange() {
  const QChar lf = kLineBreak;
  if (services_.dialogs().yesNo(
          kUndoTitle,
          QStringLiteral("The last rename or delete will be undone: the disc list, the catalogues and their "
                         "sizes go back as they were.") + lf + lf + kContinue) !=
      Answer::Yes)
    return;
  library::DiscMaintenance maintenance(services_.values().dataPath, services_.discSettings());
  const library::MaintenanceResult result = maintenance.undoListChange();
  if (result.refused) {
    services_.dialogs().message(kUndoTitle, result.refusal);
    return;
  }
  services_.indexKeeper().request(services_.values().dataPath);
  showStepErrors(names::discButtons::undoList.index, result);
  const QString shown = discList_->currentText();
  reloadDiscList();
  showAfterChange(shown, result);
}

void MaintenancePanel::reloadDiscList() {
  refillSorted(*discList_, library::readDiscList(services_.values().dataPath),
               [this] { services_.yielder().at(YieldKind::Low); });
}

void MaintenancePanel::showAfterChange(const QString& shown, const library::MaintenanceResult& result) {
  if (result.renamed) followRenamedCatalogue(*result.renamed);
  QString name = shown;
  if (result.renamed && equalsIgnoringCase(result.renamed->first, shown)) {
    name = result.renamed->second;
    services_.quilmoCap(name + QStringLiteral(".rtf"));
  }
  discList_->setEditText(name);
}

void MaintenancePanel::followRenamedCatalogue(const std::pair<QString, QString>& renamed) {
  CatalogueView* view = services_.controls().viewBar.view;
  const QString dataPath = services_.values().dataPath;
  // Catalogues are loaded as resolved in the data folder, which keeps its spelling.
  if (equalsIgnoringCase(view->filePath(), dataPath + renamed.first + kCatalogueSuffix))
    view->fileMoved(resolveInFolder(dataPath, renamed.second + kCatalogueSuffix));
}

void MaintenancePanel::showStepErrors(int index, const library::MaintenanceResult& result) {
  for (const library::StepError& error : result.errors)
    services_.dialogs().message(QStringLiteral("Quilmo"),
                                index < 0 ? error.text : library::stepErrorMessage(index, error));
  if (!result.skipped.isEmpty())
    services_.dialogs().message(QStringLiteral("Quilmo"), library::skippedMessage(result.skipped));
}

bool MaintenancePanel::confirmed(const QString& heading, const QString& message) {
  return services_.msG(heading, MsgButton::Yes | MsgButton::Cancel, message, MsgIcon::Warning) == Answer::Yes;
}

void MaintenancePanel::sayError(const QString& message) {
  services_.msG(QStringLiteral("ERROR"), MsgButton::Yes, message, MsgIcon::Warning);
}

MaintenancePanel* attachMaintenance(PanelServices& services) { return new MaintenancePanel(services); }

}  // namespace quilmo::panels
