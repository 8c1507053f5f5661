#include "library/FolderBox.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/DataFolder.h"
#include "platform/DriveMap.h"

namespace quilmo::panels {

namespace {

const QString kComputer = QStringLiteral("/");
constexpr QChar kHomeDrive = u'C';  // always stands for a folder: the home folder unless mapped

QString asFolder(const QString& path) { return withTrailingSeparator(QDir::toNativeSeparators(path)); }

}  // namespace

// Paints the rows as a folder tree: the first rows (the root down to the folder shown) open,
// each a step deeper, the rest closed one step below the last open row. The depth follows
// from the row alone, so a folder with thousands of sub-folders costs one string a row.
class FolderRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void setOpenRows(int rows) { openRows_ = rows; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + indentOf(index, option));
    QStyledItemDelegate::paint(painter, indented, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index, option), 0);
  }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QStyle* style = option->widget ? option->widget->style() : nullptr;
    if (!style) return;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = style->standardIcon(index.row() < openRows_ ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
  }

 private:
  int indentOf(const QModelIndex& index, const QStyleOptionViewItem& option) const {
    return std::min(index.row(), openRows_) * option.fontMetrics.averageCharWidth() * 2;
  }
  int openRows_ = 0;
};

FolderBox::FolderBox(DriveMap& drives, QComboBox* driveBox, QListWidget* folderList, bool withComputerRoot,
                     QObject* parent)
    : QObject(parent),
      drives_(drives),
      driveBox_(driveBox),
      folderList_(folderList),
      rows_(new FolderRows(folderList)),
      withComputerRoot_(withComputerRoot) {
  folderList_->setItemDelegate(rows_);
  connect(driveBox_, &QComboBox::activated, this, &FolderBox::driveChosen);
  connect(folderList_, &QListWidget::itemActivated, this, &FolderBox::enter);
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

QStringList FolderBox::openFolders() const {
  const QString rootName = letter_.isNull() ? QDir::toNativeSeparators(QDir::rootPath()) : letter_ + QStringLiteral(":\\");
  return QStringList{rootName} + QDir::fromNativeSeparators(folder_.mid(root_.size())).split(u'/', Qt::SkipEmptyParts);
}

void FolderBox::enter(const QListWidgetItem* item) {
  const int row = folderList_->row(item);
  const QStringList open = openFolders();
  const QString target = row < open.size() ? root_ + open.mid(1, row).join(u'/') : folder_ + item->text();
  if (!showFolder(target, letter_)) listFolder();  // it vanished: show what is there now
}

void FolderBox::listFolder() {
  const QStringList open = openFolders();
  folderList_->clear();
  rows_->setOpenRows(int(open.size()));
  folderList_->addItems(open);
  folderList_->addItems(QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
  folderList_->setCurrentRow(int(open.size()) - 1);
}

}  // namespace quilmo::panels
