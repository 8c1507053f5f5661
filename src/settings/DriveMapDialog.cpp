#include "settings/DriveMapDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "kit/WidgetFactory.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"

namespace quilmo::panels {

using ui::named;

namespace {

const QString kTitle = QStringLiteral("Drive letters");

QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent) {
  return named(new QPushButton(caption, parent), objectName);
}

// A removable medium is mapped by its device, so the letter follows it to wherever it
// is mounted next time; anything else by its mount point.
QString targetOf(const QStorageInfo& volume) {
  const QString device = QString::fromLocal8Bit(volume.device());
  return device.startsWith(QStringLiteral("/dev/")) ? device : volume.rootPath();
}

}  // namespace

DriveMapDialog::DriveMapDialog(DriveMap& drives, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      drives_(drives),
      dialogs_(dialogs),
      letters_(named(new QComboBox(this), QStringLiteral("DriveLetter"), QStringLiteral("Drive letter"))),
      volumes_(named(new QListWidget(this), QStringLiteral("Volumes"), QStringLiteral("Mounted volumes"))),
      folder_(named(new QLineEdit(this), QStringLiteral("DriveFolder"), QStringLiteral("Folder"))) {
  setObjectName(QStringLiteral("DriveMapDialog"));
  setWindowTitle(kTitle);
  setModal(true);

  auto* mapVolume = button(QStringLiteral("Map to the volume"), QStringLiteral("MapVolume"), this);
  auto* browse = button(QStringLiteral("Folder..."), QStringLiteral("BrowseFolder"), this);
  auto* mapFolder = button(QStringLiteral("Map to the folder"), QStringLiteral("MapFolder"), this);
  auto* unmapLetter = button(QStringLiteral("Unmap the letter"), QStringLiteral("UnmapLetter"), this);
  auto* close = button(QStringLiteral("Close"), QStringLiteral("CloseDriveLetters"), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Drive letter:"), this), 0, 0);
  grid->addWidget(letters_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Mounted volumes:"), this), 1, 0, 1, 3);
  grid->addWidget(volumes_, 2, 0, 1, 2);
  grid->addWidget(mapVolume, 2, 2, Qt::AlignTop);
  grid->addWidget(folder_, 3, 0);
  grid->addWidget(browse, 3, 1);
  grid->addWidget(mapFolder, 3, 2);
  grid->addWidget(unmapLetter, 4, 0);
  grid->addWidget(close, 4, 2);

  connect(mapVolume, &QPushButton::clicked, this, &DriveMapDialog::mapToVolume);
  connect(browse, &QPushButton::clicked, this, &DriveMapDialog::browseFolder);
  connect(mapFolder, &QPushButton::clicked, this, &DriveMapDialog::mapToFolder);
  connect(unmapLetter, &QPushButton::clicked, this, &DriveMapDialog::unmap);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(folder_, &QLineEdit::returnPressed, this, &DriveMapDialog::mapToFolder);
  connect(volumes_, &QListWidget::itemActivated, this, &DriveMapDialog::mapToVolume);

  fillLetters();
  fillVolumes();
}

void DriveMapDialog::keyPressEvent(QKeyEvent* event) {
  // A focused button takes Enter itself; what reaches the dialog comes from a field,
  // which has acted for itself already (the letter box has nothing to act on). The
  // dialog's default button would otherwise map the letter to a volume nobody picked.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return event->accept();
  QDialog::keyPressEvent(event);
}

void DriveMapDialog::fillLetters() {
  const int row = qMax(0, letters_->currentIndex());
  letters_->clear();
  for (char16_t c = u'A'; c <= u'Z'; ++c) letters_->addItem(QString(QChar(c)) + QStringLiteral(": not mapped"), QChar(c));
  for (const DriveTarget& drive : drives_.drives()) letters_->setItemText(drive.letter.unicode() - u'A', drive.description);
  letters_->setCurrentIndex(row);
}

void DriveMapDialog::fillVolumes() {
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    const QString name = volume.name().isEmpty() ? QString() : volume.name() + u' ';
    auto* item = new QListWidgetItem(
        QStringLiteral("%1  %2(%3)").arg(volume.rootPath(), name, QString::fromLocal8Bit(volume.device())), volumes_);
    item->setData(Qt::UserRole, targetOf(volume));
  }
}

QChar DriveMapDialog::chosenLetter() const { return letters_->currentData().toChar(); }

void DriveMapDialog::mapToVolume() {
  const QListWidgetItem* volume = volumes_->currentItem();
  if (!volume) return dialogs_.message(kTitle, QStringLiteral("Select a volume in the list first."));
  drives_.map(chosenLetter(), volume->data(Qt::UserRole).toString());
  fillLetters();
}

void DriveMapDialog::mapToFolder() {
  const QString folder = folder_->text().trimmed();
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    return dialogs_.message(kTitle, QStringLiteral("The folder \"%1\" does not exist. Type or pick a folder that "
                                                   "exists.").arg(folder));
  drives_.map(chosenLetter(), QFileInfo(folder).absoluteFilePath());
  fillLetters();
}

void DriveMapDialog::browseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, kTitle, folder_->text());
  if (!folder.isEmpty()) folder_->setText(folder);
}

void DriveMapDialog::unmap() {
  drives_.unmap(chosenLetter());
  fillLetters();
}

}  // namespace quilmo::panels
