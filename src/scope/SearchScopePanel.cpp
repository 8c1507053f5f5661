#include "scope/SearchScopePanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVariant>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/NameRules.h"
#include "platform/SettingsStore.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "scope/ExtensionSets.h"
#include "scope/FileTypes.h"
#include "scope/ScopeFiles.h"
#include "scope/Selections.h"
#include "scope/WordList.h"

namespace quilmo::panels {

namespace {

bool isRightPress(QEvent* event) {
  return event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
}

}  // namespace

SearchScopePanel::SearchScopePanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      panel_(services.controls().scope.frame),
      discs_(services.controls().scope.discs),
      wordList_(services.controls().scope.searchWords),
      setWords_(services.controls().scope.setWords),
      types_(services.controls().scope.types),
      discsViewport_(discs_->viewport()),
      typesViewport_(types_->viewport()),
      newType_(services.controls().scope.newType),
      typeLength_(services.controls().scope.length),
      selections_(services.controls().scope.selections),
      sets_(services.controls().scope.sets),
      typeCaption_(services.controls().scope.typesLabel) {
  discs_->setSelectionMode(QAbstractItemView::MultiSelection);
  types_->setSelectionMode(QAbstractItemView::MultiSelection);
  newType_->setMaxLength(6);

  const ScopeControls& c = services.controls().scope;
  // The window's "Search Settings" show the same two choices: each pair moves together.
  const SearchSettingControls& shown = services.controls().searchSettings;
  for (auto [one, other] : {std::pair{c.caseSensitive, shown.caseSensitive}, {c.wordOnly, shown.completeWord}}) {
    connect(one, &QCheckBox::toggled, other, &QCheckBox::setChecked);
    connect(other, &QCheckBox::toggled, one, &QCheckBox::setChecked);
  }
  const auto selectDiscs = [this](bool all) {
    all ? discs_->selectAll() : discs_->clearSelection();
    discs_->setFocus();
  };
  // "SET Selection" and "Category" have no action of their own.
  const std::pair<QPushButton*, std::function<void()>> buttons[] = {
      {c.cancel, [this] { panel_->hide(); }},
      {c.selectAll, [selectDiscs] { selectDiscs(true); }},
      {c.selectNone, [selectDiscs] { selectDiscs(false); }},
      {c.start, [this] { startSearch(); }},
      {c.rememberSelection, [this] { rememberSelection(); }},
      {c.setSelection, [] {}},
      {c.addType, [this] { addFileType(false); }},
      {c.searchTypes, [this] { searchExtensions(); }},
      {c.saveTypes, [this] { saveList(); }},
      {c.clearTypes, [this] { clearList(); }},
      {c.deleteTypes, [this] { deleteSelectedTypes(); }},
      {c.deleteSelection, [this] { deleteSelection(); }},
      {c.category, [] {}},
  };
  for (const auto& [button, action] : buttons) {
    onActivated(button, action);
    button->installEventFilter(this);
  }
  connect(selections_, &QComboBox::activated, this, [this](int row) { applySelection(selections_->itemText(row)); });
  connect(sets_, &QComboBox::activated, this, [this](int row) { applyExtensionSet(sets_->itemText(row)); });
  connect(newType_, &QLineEdit::returnPressed, this, [this] { addFileType(true); });
  for (QObject* watched : {static_cast<QObject*>(discs_), static_cast<QObject*>(discsViewport_),
                           static_cast<QObject*>(typesViewport_), static_cast<QObject*>(newType_),
                           static_cast<QObject*>(typeLength_)})
    watched->installEventFilter(this);
}

bool SearchScopePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == discs_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Insert) return false;
    if (key->modifiers() == Qt::NoModifier) {
      toggleCurrentDisc();
      moveCurrentDisc(1);
    } else if (key->modifiers() == Qt::ControlModifier) {
      moveCurrentDisc(-1);
      toggleCurrentDisc();
    }
    return true;
  }
  if (watched == discsViewport_ && event->type() == QEvent::MouseMove &&
      (static_cast<QMouseEvent*>(event)->buttons() & Qt::RightButton)) {
    toggleCurrentDisc();
    moveCurrentDisc(1);
    return true;
  }
  if (watched == typesViewport_ && isRightPress(event)) {
    toggleAllTypes();
    return true;
  }
  if (watched == newType_ && isRightPress(event)) {
    newType_->clear();
    return true;
  }
  if (watched == typeLength_ && event->type() == QEvent::FocusOut) {
    typeLength_->setText(scope::settledExtensionLength(typeLength_->text()));
    return false;
  }
  if (isEnterPress(event) && qobject_cast<QAbstractButton*>(watched)) {
    // Enter on a button of the row runs the search as it stands, without START's preparation.
    Q_EMIT findGlobalRequested();
    return true;
  }
  return false;
}

void SearchScopePanel::inExtLys() {
  const ProgramValues& values = services_.values();
  sets_->clear();
  sets_->addItems(scope::readExtensionSets(values.appFolder));
  sets_->setEditText(QString::fromLatin1(scope::kExtensionSetsText));
  types_->clear();
  types_->addItems(scope::readFileTypes(values.dataPath));
  refillSelectionNames(scope::readSelectionNames(values.dataPath));
  QWidget* notice = services_.controls().scope.listChanged;
  notice->setVisible(
      QVariant(services_.programSettings().value(QStringLiteral("Changes"), QStringLiteral("NewDisc"))).toBool());
  notice->raise();
}

void SearchScopePanel::startSearch() {
  wordList_->clear();
  wordList_->addItems(
      scope::splitSearchWords(services_.controls().find.words->currentText()));
  QString error;
  if (!scope::saveFileTypesAtStart(services_.values().dataPath, entriesOf(*types_), &error))
    tell(QStringLiteral("START"), error);
  Q_EMIT findGlobalRequested();
}

void SearchScopePanel::rememberSelection() {
  const QString current = selections_->currentText();
  const std::optional<QString> answer = services_.dialogs().input(
      QStringLiteral("Save Selection"),
      QStringLiteral("Save this selection under the name of:") + kLineBreak + current + QStringLiteral("?"), current);
  QList<int> positions;
  for (int row = 0; row < discs_->count(); ++row)
    if (discs_->item(row)->isSelected()) positions += row;
  QStringList names = itemsOf(*selections_);
  const scope::SelectionResult result =
      scope::rememberSelection(services_.values().dataPath, names, answer.value_or(QString()), positions);
  if (!result.ok) return tell(QStringLiteral("Save Selection"), result.message);
  refillSelectionNames(names);
  selections_->setEditText(*answer);
}

void SearchScopePanel::applySelection(const QString& name) {
  const QString why = whyNameIsRefused(name);
  if (!why.isEmpty()) return tell(QStringLiteral("Selection"), why);
  for (int row : scope::readSelection(services_.values().dataPath, name, discs_->count()))
    discs_->item(row)->setSelected(true);
}

void SearchScopePanel::deleteSelection() {
  const QString name = selections_->currentText();
  if (services_.dialogs().yesNo(QStringLiteral("DELETE Selection from list and disc"),
                                QStringLiteral("Are you sure you want to DELETE ") + name +
                                    QStringLiteral(" from the list?")) != Answer::Yes)
    return;
  QStringList names = itemsOf(*selections_);
  const scope::SelectionResult result = scope::deleteSelection(services_.values().dataPath, names, name);
  if (!result.ok && !result.message.isEmpty()) return tell(QStringLiteral("Delete Selection"), result.message);
  refillSelectionNames(names);
}

void SearchScopePanel::addFileType(bool fromEnter) {
  QStringList types = entriesOf(*types_);
  switch (scope::addFileType(types, newType_->text())) {
    case scope::AddOutcome::Empty:
    case scope::AddOutcome::Duplicate: return;
    case scope::AddOutcome::Refused:
      return tell(QStringLiteral("ADD Extention"), whyNameIsRefused(upperCased(newType_->text())));
    case scope::AddOutcome::Added: break;
  }
  types_->addItem(types.last());
  setCaption(typeCaption_, scope::fileTypeCaption(types_->count()));
  services_.yielder().at(YieldKind::Both);
  if (fromEnter) newType_->clear();
}

void SearchScopePanel::searchExtensions() {
  // The types of the file list FiL, the folder the browse area shows.
  QStringList types;
  scope::addFileTypesOf(types, entriesOf(*services_.controls().fileList.files),
                        scope::extensionLength(typeLength_->text()));
  types_->clear();
  types_->addItems(types);
  setCaption(typeCaption_, types.isEmpty() ? QString::fromLatin1(scope::kFileTypeCaption)
                                           : scope::fileTypeCaption(types.size()));
}

void SearchScopePanel::saveList() { saveTypes(entriesOf(*types_)); }

void SearchScopePanel::clearList() {
  if (services_.dialogs().yesNo(QStringLiteral("Clear list"), QStringLiteral("Want to CLEAR this list?")) != Answer::Yes)
    return;
  types_->clear();
  saveTypes({});
}

void SearchScopePanel::deleteSelectedTypes() {
  if (services_.dialogs().yesNo(QStringLiteral("DELETE selected extentions"),
                                QStringLiteral("Do you want to DELETE the selected extentions?")) != Answer::Yes)
    return;
  for (int row = types_->count() - 1; row >= 0; --row)
    if (types_->item(row)->isSelected()) delete types_->takeItem(row);
  saveTypes(entriesOf(*types_));
}

void SearchScopePanel::applyExtensionSet(const QString& set) {
  setWords_->clear();
  setWords_->addItems(scope::extensionSetWords(set));
  for (int row : scope::rowsOfExtensionSet(entriesOf(*types_), set)) types_->item(row)->setSelected(true);
  services_.yielder().at(YieldKind::Low);
  setWords_->clear();
}

void SearchScopePanel::toggleAllTypes() {
  if (allTypesNext_) types_->selectAll();
  else types_->clearSelection();
  allTypesNext_ = !allTypesNext_;
}

void SearchScopePanel::toggleCurrentDisc() {
  if (QListWidgetItem* item = discs_->currentItem()) item->setSelected(!item->isSelected());
}

void SearchScopePanel::moveCurrentDisc(int step) {
  const int row = discs_->currentRow() + step;
  if (row < 0 || row >= discs_->count()) return;
  // Moving the current row must not select it: the keys toggle selection themselves.
  discs_->selectionModel()->setCurrentIndex(discs_->model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void SearchScopePanel::saveTypes(const QStringList& types) {
  QString error;
  if (!scope::saveFileTypes(services_.values().dataPath, types, &error)) tell(QStringLiteral("Save List"), error);
}

void SearchScopePanel::refillSelectionNames(const QStringList& names) {
  selections_->clear();
  selections_->addItems(names);
}

void SearchScopePanel::tell(const QString& title, const QString& message) { services_.dialogs().message(title, message); }

SearchScopePanel* attachSearchScope(PanelServices& services) { return new SearchScopePanel(services); }

}  // namespace quilmo::panels
