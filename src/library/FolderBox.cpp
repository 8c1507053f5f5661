#include "library/FolderBox.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/DataFolder.h"
#include "platform/DriveMap.h"

namespace quilmo::panels {

namespace {

const QString kUp = QStringLiteral("..");
const QString kComputer = QStringLiteral("/");
constexpr QChar kHomeDrive = u'C';  // always stands for a folder: the home folder unless mapped

QString asFolder(const QString& path) { return withTrailingSeparator(QDir::toNativeSeparators(path)); }

}  // namespace

FolderBox::FolderBox(DriveMap& drives, QComboBox* driveBox, QListWidget* folderList, bool withComputerRoot,
                     QObject* parent)
    : QObject(parent), drives_(drives), driveBox_(driveBox), folderList_(folderList), withComputerRoot_(withComputerRoot) {
  connect(driveBox_, &QComboBox::activated, this, &FolderBox::driveChosen);
  connect(folderList_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { enter(item->text()); });
  connect(&drives_, &DriveMap::changed, this, &FolderBox::drivesChanged);
  fillDrives();
}

void FolderBox::drivesChanged() {
  fillDrives();
  // The folder shown no longer belongs to its letter once the letter stands for another
  // folder or for nothing: show the letter's new root, or drive C.
  if (letter_.isNull() || drives_.root(letter_).path == root_) return;
  if (!showDrive(letter_)) showDrive(kHomeDrive);
}

void FolderBox::fillDrives() {
  const QSignalBlocker quiet(driveBox_);
  driveBox_->clear();
  for (const DriveTarget& drive : drives_.drives()) driveBox_->addItem(drive.description, QString(drive.letter));
#ifndef Q_OS_WIN
  if (withComputerRoot_) driveBox_->addItem(QStringLiteral("/ (all folders of this computer)"), kComputer);
#endif
  driveBox_->setCurrentIndex(rowOfLetter(letter_));
}

int FolderBox::rowOfLetter(QChar letter) const {
  return driveBox_->findData(letter.isNull() ? kComputer : QString(letter));
}

QString FolderBox::rootOfRow(int row) const {
  const QString data = driveBox_->itemData(row).toString();
  if (data == kComputer) return QDir::rootPath();
  const NativeLocation root = drives_.root(DriveMap::letterOf(data));
  return root.status == DriveStatus::Ready ? root.path : QString();
}

bool FolderBox::showDrive(QChar letter) {
  const NativeLocation root = drives_.root(letter);
  if (root.status != DriveStatus::Ready) return false;
  return showFolder(root.path, letter);
}

bool FolderBox::showFolder(const QString& nativeFolder, QChar letter) {
  if (!QFileInfo(nativeFolder).isDir()) return false;
  const QString folder = asFolder(nativeFolder);
  if (rowOfLetter(letter) < 0) fillDrives();  // a letter mapped since the box was filled
  int row = letter.isNull() ? -1 : rowOfLetter(letter);
  if (row < 0) {
    // The drive whose root holds the folder, the deepest one first.
    for (int candidate = 0; candidate < driveBox_->count(); ++candidate) {
      const QString root = rootOfRow(candidate);
      if (!root.isEmpty() && folder.startsWith(asFolder(root)) &&
          (row < 0 || root.size() > rootOfRow(row).size()))
        row = candidate;
    }
  }
  if (row < 0) return false;
  const QString root = asFolder(rootOfRow(row));
  if (!folder.startsWith(root)) return false;
  driveBox_->setCurrentIndex(row);
  letter_ = DriveMap::letterOf(driveBox_->itemData(row).toString());
  root_ = root;
  folder_ = folder;
  listFolder();
  Q_EMIT folderChanged();
  return true;
}

void FolderBox::driveChosen(int row) {
  const QString root = rootOfRow(row);
  const QChar letter = DriveMap::letterOf(driveBox_->itemData(row).toString());
  if (root.isEmpty()) {
    const QSignalBlocker quiet(driveBox_);
    driveBox_->setCurrentIndex(rowOfLetter(letter_));
    Q_EMIT driveHasNoDisc(letter);
    return;
  }
  showFolder(root, letter);
}

void FolderBox::enter(const QString& entry) {
  QDir dir(folder_);
  const bool moved = entry == kUp ? dir.cdUp() : dir.cd(entry);
  if (!moved || !showFolder(dir.absolutePath(), letter_)) listFolder();  // it vanished: show what is there now
}

void FolderBox::listFolder() {
  folderList_->clear();
  if (folder_ != root_) folderList_->addItem(kUp);
  folderList_->addItems(QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
}

}  // namespace quilmo::panels
