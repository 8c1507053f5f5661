#include "library/BrowsePanel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "capture/DiscInDrive.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/AssociationPanel.h"
#include "library/DiscFolder.h"
#include "library/FileEntry.h"
#include "library/FileOpener.h"
#include "library/FolderBox.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"
#include "settings/DrivePanel.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {

constexpr QChar kHomeDrive = u'C';
constexpr int kFolderNotFound = 76;

QString driveInstruction() {
  const QChar lf = kLineBreak;
  return QStringLiteral("Type the letter of the drive to execute the command. Ex:") + lf + lf + u'D' + lf +
         QStringLiteral("[where D is the drive where the disc recide]");
}

}  // namespace

BrowsePanel::BrowsePanel(PanelServices& services, AssociationPanel& associations)
    : QObject(services.window()),
      services_(services),
      associations_(associations),
      folders_(new FolderBox(services.drives(), services.controls().fileList.drives,
                             services.controls().fileList.folders, false, this)),
      plain_(services.controls().fileList.rawFiles),
      files_(services.controls().fileList.files),
      instructions_(services.controls().drive.instructions) {
  files_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  connect(folders_, &FolderBox::folderChanged, this, [this] { listFolder(); });
  connect(folders_, &FolderBox::driveHasNoDisc, this, [this](QChar letter) { openOnDisc(letter, {}); });
  connect(files_, &QListWidget::itemClicked, this, &BrowsePanel::fileClicked);
  connect(files_, &QListWidget::itemActivated, this, &BrowsePanel::fileDoubleClicked);
  onRightClick(files_, [this](QPoint at) { fileRightClicked(at); });

  QWidget* goToButton = services.controls().fileList.goTo;
  onActivated(goToButton, [this] { goTo(); });
  showDrive(kHomeDrive);
}

void BrowsePanel::goTo() {
  const CatalogueView* view = services_.controls().viewBar.view;
  const QString selection = view->selectedText();
  const std::optional<QString> folder = library::discFolderOfSelection(selection);
  if (!folder) return;  // fewer than two characters: nothing to go to
  ProgramValues& values = services_.values();
  if (values.discDrive.isEmpty()) {
    showDriveChoice(services_);
    services_.wagter();
    if (values.discDrive.isEmpty()) return;  // the choice was cancelled
  }
  setCaption(instructions_, driveInstruction());
  const QString catalogue = library::catalogueOfSelection(selection, view->filePath(), values.dataPath);
  if (openOnDisc(DriveMap::letterOf(values.discDrive), *folder, catalogue)) files_->setEnabled(true);
}

bool BrowsePanel::openOnDisc(QChar letter, const QString& folder, const QString& catalogue) {
  library::DiscFolder disc = library::openDiscFolder(services_.drives(), letter, folder);
  if (disc.errorNumber == kFolderNotFound)
    capture::explainMissingFolder(disc, services_.drives().root(letter).path, services_.values().dataPath, catalogue);
  if (disc.errorNumber) {
    services_.msG(disc.heading, MsgButton::Yes, disc.message, MsgIcon::Warning);
    showDrive(kHomeDrive);
    return false;
  }
  return folders_->showFolder(disc.nativeFolder, letter);
}

void BrowsePanel::refreshDriveInfo() {
  folders_->fillDrives();
  if (!folders_->letter().isNull()) folders_->showDrive(folders_->letter());
}

bool BrowsePanel::showDrive(QChar letter) { return folders_->showDrive(letter); }

void BrowsePanel::listFolder() {
  const QString native = folders_->folder();
  QString browseFolder = services_.drives().toDiscPath(folders_->letter(), native);
  if (!browseFolder.endsWith(u'\\')) browseFolder += u'\\';
  services_.values().browseFolder = browseFolder;
  const QStringList entries = library::fileListEntries(native);
  files_->clear();
  files_->addItems(entries);
  plain_->clear();
  for (const QString& entry : entries) plain_->addItem(library::fileNameOfEntry(entry));
}

QString BrowsePanel::currentEntry() const {
  const QListWidgetItem* item = files_->currentItem();
  return item ? item->text() : QString();
}

void BrowsePanel::fileClicked() { associations_.setFileType(library::typePrefixOf(currentEntry())); }

void BrowsePanel::fileDoubleClicked() {
  const QString entry = currentEntry();
  if (entry.isEmpty()) return;
  fileClicked();
  services_.quilmoCap(library::fileNameOfEntry(entry));
  const library::OpenOutcome outcome = library::openEntry(entry, folders_->folder(), associations_.table(),
                                                          services_.drives(), services_.values().appFolder);
  if (outcome.started) return;
  if (services_.msG(QStringLiteral("No association?"), MsgButton::Yes, library::noAssociationMessage(),
                    MsgIcon::Warning) == Answer::Yes)
    associations_.showWithHelp();
}

void BrowsePanel::fileRightClicked(const QPoint& at) {
  if (QListWidgetItem* item = files_->itemAt(at)) files_->setCurrentItem(item);
  const QString entry = currentEntry();
  if (!entry.isEmpty()) associations_.openFor(library::typePrefixOf(entry));
}

BrowsePanel* attachBrowsing(PanelServices& services, AssociationPanel& associations) {
  return new BrowsePanel(services, associations);
}

}  // namespace quilmo::panels
