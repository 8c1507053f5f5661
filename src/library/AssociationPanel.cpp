#include "library/AssociationPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextEdit>

#include "kit/ControlTexts.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/FolderBox.h"
#include "library/PastedPath.h"
#include "library/RtfText.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"
#include "platform/Folders.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"

namespace quilmo::panels {

namespace {


enum HintRow { kLinkListHint = 6, kHintLabelHint = 9, kHelpHint = 10 };

constexpr QChar kHomeDrive = u'C';

// On Linux a program is any executable file; the DOS program types count too.
bool isProgram(const QFileInfo& file) {
  static const QStringList kTypes = {QStringLiteral("EXE"), QStringLiteral("COM"), QStringLiteral("BAT")};
  return file.isExecutable() || kTypes.contains(upperCased(file.suffix()));
}

}  // namespace

AssociationPanel::AssociationPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      table_(services.values().dataPath),
      panel_(services.controls().associations.frame),
      help_(services.controls().associations.howText),
      lines_(services.controls().associations.links),
      types_(services.controls().associations.extensions),
      line_(services.controls().associations.line),
      editedButton_(services.controls().associations.edited),
      picker_(services.controls().associations.picker),
      folders_(new FolderBox(services.drives(), services.controls().associations.pickerDrive,
                             services.controls().associations.pickerFolder, true, this)),
      programs_(services.controls().associations.pickerFiles),
      pasted_(services.controls().associations.pastePath),
      hintLabel_(services.controls().associations.hintLine),
      hints_(services.controls().associations.hints) {
  help_->setReadOnly(true);
  lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  showLines();
  types_->addItems(table_.types());
  editedButton_->setEnabled(false);

  const auto showHint = [this](int row) { setCaption(hintLabel_, hints_->item(row)->text()); };
  const AssociationControls& c = services.controls().associations;
  // HLys holds the hint of SoCCom(i) at row i + 1.
  const std::tuple<QPushButton*, int, std::function<void()>> buttons[] = {
      {c.newLink, names::associations::newLink.index + 1, [this] { startNew(); }},
      {c.edited, names::associations::edited.index + 1, [this] { if (!line_->text().isEmpty()) storeEdited(); }},
      {c.remove, names::associations::remove.index + 1, [this] { deleteSelected(); }},
      {c.ok, names::associations::ok.index + 1, [this] { close(); }},
      {c.select, names::associations::select.index + 1, [this] { selectProgram(); }},
  };
  for (const auto& [button, hintRow, action] : buttons) {
    onActivated(button, [this, action] {
      action();
      services_.yielder().now(YieldKind::Low);
    });
    onHover(button, [showHint, row = hintRow] { showHint(row); });
  }
  onHover(lines_, [showHint] { showHint(kLinkListHint); });
  onHover(hintLabel_, [showHint] { showHint(kHintLabelHint); });
  onHover(help_, [showHint] { showHint(kHelpHint); });
  onHover(pasted_, [this] {
    setCaption(hintLabel_, names::associations::pastePath.hintText());
  });

  connect(lines_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { line_->setText(item->text()); });
  onRightClick(lines_, [this](QPoint) { offerUndo(); });
  connect(line_, &QLineEdit::textEdited, this, [this] { editedButton_->setEnabled(true); });
  connect(programs_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { line_->setText(folders_->folder() + item->text()); });
  connect(pasted_, &QLineEdit::returnPressed, this, &AssociationPanel::pastePath);
  connect(folders_, &FolderBox::folderChanged, this, [this] { listPrograms(); });
  connect(folders_, &FolderBox::driveHasNoDisc, this, [this](QChar letter) {
    say(QStringLiteral("There is no disc in drive %1.").arg(letter));
  });
}

void AssociationPanel::openFor(const QString& typePrefix) {
  line_->clear();
  showWithHelp();
  fileType_ = typePrefix;
  const library::StepError error = table_.noteType(typePrefix);
  if (error.number) say(error.text);
  types_->clear();
  types_->addItems(table_.types());
}

void AssociationPanel::showWithHelp() {
  QFile help(shippedFile(services_.values().appFolder, QCoreApplication::applicationDirPath(), QStringLiteral("AssHP.rtf")));
  if (help.open(QIODevice::ReadOnly)) help_->setHtml(library::rtfToHtml(help.readAll()));
  else help_->clear();
  panel_->show();
  panel_->raise();
}

void AssociationPanel::startNew() {
  folders_->showDrive(kHomeDrive);
  picker_->show();
  picker_->raise();
  line_->clear();
}

void AssociationPanel::storeEdited() {
  const QString text = line_->text();
  if (refusedLine(text)) return;
  const library::StepError error = table_.edit(selectedRow(), text);
  if (error.number) say(error.text);
  showLines();
  line_->clear();
  editedButton_->setEnabled(false);
}

void AssociationPanel::deleteSelected() {
  const int row = selectedRow();
  if (row < 0) return say(QStringLiteral("Select the association to delete in the list first."));
  const library::StepError error = table_.remove(row);
  if (error.number) say(error.text);
  showLines();
}

void AssociationPanel::close() {
  panel_->hide();
  help_->clear();
}

void AssociationPanel::selectProgram() {
  const QListWidgetItem* program = programs_->currentItem();
  if (!program) return say(QStringLiteral("Select the program in the list first."));
  if (fileType_.isEmpty())
    return say(QStringLiteral("Click a file in the file list first: the new association is for its type."));
  const QString path = folders_->folder() + program->text();
  if (!QFileInfo(path).isFile()) {
    say(QStringLiteral("The program %1 is no longer there.").arg(path));
    return listPrograms();
  }
  if (refusedLine(fileType_ + u' ' + path)) return;
  library::StepError error;
  const int row = table_.select(fileType_, path, &error);
  if (error.number) say(error.text);
  showLines(row);
}

void AssociationPanel::offerUndo() {
  const QString deleted = table_.lastDeleted();
  if (deleted.isEmpty()) return;
  if (services_.msG(QStringLiteral("Undo Last Deletion"), MsgButton::Yes | MsgButton::No,
                    QStringLiteral("Undo DELETE association?"), MsgIcon::Information) != Answer::Yes)
    return;
  line_->setText(deleted);
  editedButton_->setEnabled(true);
}

void AssociationPanel::pastePath() {
  const QString text = pasted_->text();
  if (text.trimmed().isEmpty()) return;
  const library::PastedFolder found = library::findPastedFolder(services_.drives(), text);
  const QChar letter = found.text.startsWith(u'/') ? QChar() : DriveMap::letterOf(found.text);
  if (!found.found || !folders_->showFolder(found.nativeFolder, letter)) {
    services_.msG(QStringLiteral("Cannot fix path"), MsgButton::Yes, library::cannotFixPathMessage(), MsgIcon::Warning);
    return;
  }
  pasted_->setText(found.text);
}

void AssociationPanel::listPrograms() {
  const QString folder = folders_->folder();
  services_.values().pickFolder = folder;
  programs_->clear();
  for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
    if (isProgram(file)) programs_->addItem(file.fileName());
}

void AssociationPanel::showLines(int currentRow) {
  lines_->clear();
  lines_->addItems(table_.lines());
  if (currentRow >= 0) lines_->setCurrentRow(currentRow);
}

int AssociationPanel::selectedRow() const {
  const QListWidgetItem* item = lines_->currentItem();
  return item && item->isSelected() ? lines_->row(item) : -1;
}

bool AssociationPanel::refusedLine(const QString& line) {
  const QString why = library::whyAssociationLineIsRefused(line);
  if (!why.isEmpty()) say(why);
  return !why.isEmpty();
}

void AssociationPanel::say(const QString& text) { services_.dialogs().message(QStringLiteral("Associations"), text); }

AssociationPanel* attachAssociations(PanelServices& services) { return new AssociationPanel(services); }

}  // namespace quilmo::panels
