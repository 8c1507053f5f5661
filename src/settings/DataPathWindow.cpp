#include "settings/DataPathWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>

#include "kit/PanelServices.h"
#include "kit/WidgetFactory.h"
#include "kit/ProgramValues.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "settings/DriveMapDialog.h"

namespace quilmo::panels {

using ui::named;

namespace {

const QString kTitle = QStringLiteral("Data Path");

QString asChosenPath(const QString& folder) { return withTrailingSeparator(QDir::toNativeSeparators(folder)); }

}  // namespace

DataPathWindow::DataPathWindow(ProgramValues& values, SettingsStore& program, DriveMap& drives, Dialogs& dialogs,
                               QWidget* parent)
    : QDialog(parent),
      values_(values),
      program_(program),
      drives_(drives),
      dialogs_(dialogs),
      driveBox_(named(new QComboBox(this), QStringLiteral("Drive1"), QStringLiteral("Drive"))),
      folders_(named(new QTreeView(this), QStringLiteral("Dir1"), QStringLiteral("Folder"))),
      model_(new QFileSystemModel(this)),
      files_(named(new QListWidget(this), QStringLiteral("File1"), QStringLiteral("Files of the folder"))),
      chosen_(named(new QLabel(this), QStringLiteral("WysP"))) {
  setObjectName(QStringLiteral("SetDPad"));
  setWindowTitle(kTitle);
  setModal(true);

  auto* heading = named(new QLabel(QStringLiteral("Set NEW Data path"), this), QStringLiteral("Label1"));
  auto* set = named(new QPushButton(QStringLiteral("Set selected path"), this), QStringLiteral("SetCom(0)"));
  auto* cancel = named(new QPushButton(QStringLiteral("CANCEL"), this), QStringLiteral("SetCom(1)"));
  auto* letters = named(new QPushButton(QStringLiteral("Drive letters..."), this), QStringLiteral("DriveLetters"));
  set->setDefault(true);
  files_->setSelectionMode(QAbstractItemView::NoSelection);  // for orientation only

  model_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());
  folders_->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) folders_->hideColumn(column);
  folders_->setHeaderHidden(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(heading, 0, 0, 1, 2);
  grid->addWidget(driveBox_, 1, 0);
  grid->addWidget(letters, 1, 1);
  grid->addWidget(folders_, 2, 0);
  grid->addWidget(files_, 2, 1);
  grid->addWidget(chosen_, 3, 0, 1, 2);
  grid->addWidget(set, 4, 0);
  grid->addWidget(cancel, 4, 1);
  resize(560, 420);

  connect(set, &QPushButton::clicked, this, &DataPathWindow::setSelectedPath);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(letters, &QPushButton::clicked, this, &DataPathWindow::editDriveLetters);
  connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) { if (index.isValid()) folderChanged(model_->filePath(index)); });
  connect(driveBox_, &QComboBox::activated, this, &DataPathWindow::driveChanged);

  fillDrives();
  values_.chosenPath = values_.dataPath;
  chooseFolder(values_.dataPath);
}

void DataPathWindow::fillDrives() {
  driveBox_->clear();
  for (const DriveTarget& drive : drives_.drives()) {
    const NativeLocation root = drives_.root(drive.letter);
    driveBox_->addItem(drive.description, root.status == DriveStatus::Ready ? root.path : QString());
  }
#ifndef Q_OS_WIN
  driveBox_->addItem(QStringLiteral("/ (all folders of this computer)"), QDir::rootPath());
#endif
  // A drive without a disc is shown, but cannot be chosen.
  auto* items = qobject_cast<QStandardItemModel*>(driveBox_->model());
  for (int row = 0; row < driveBox_->count(); ++row)
    if (driveBox_->itemData(row).toString().isEmpty()) items->item(row)->setEnabled(false);
}

void DataPathWindow::chooseFolder(const QString& folder) {
  // The drive box shows the drive whose root holds the folder, the deepest one first.
  const QString native = asChosenPath(folder);
  int best = -1;
  for (int row = 0; row < driveBox_->count(); ++row) {
    const QString root = driveBox_->itemData(row).toString();
    if (!root.isEmpty() && native.startsWith(asChosenPath(root)) &&
        (best < 0 || root.size() > driveBox_->itemData(best).toString().size()))
      best = row;
  }
  if (best >= 0) {
    driveBox_->setCurrentIndex(best);
    folders_->setRootIndex(indexOf(driveBox_->itemData(best).toString()));
  }
  const QModelIndex index = indexOf(folder);
  if (index.isValid() && index != folders_->rootIndex()) {
    folders_->setCurrentIndex(index);
    folders_->scrollTo(index);
  }
  folderChanged(folder);
}

QModelIndex DataPathWindow::indexOf(const QString& folder) const {
  return model_->index(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
}

void DataPathWindow::driveChanged(int row) {
  const QString root = driveBox_->itemData(row).toString();
  if (root.isEmpty()) return;
  folders_->setRootIndex(indexOf(root));
  folders_->setCurrentIndex({});
  folderChanged(root);
}

void DataPathWindow::folderChanged(const QString& folder) {
  values_.chosenPath = asChosenPath(folder);
  chosen_->setText(values_.chosenPath);
  files_->clear();
  files_->addItems(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString DataPathWindow::whyFolderIsRefused(const QString& folder) const {
  const QFileInfo info(folder);
  if (!info.isDir())
    return QStringLiteral("The folder %1 does not exist. Choose a folder that exists.").arg(folder);
  if (!info.isWritable())
    return QStringLiteral("The folder %1 cannot be written to, so the disc list and the catalogues cannot be "
                          "kept there. Choose a folder you may write to.").arg(folder);
  return {};
}

void DataPathWindow::setSelectedPath() {
  const QString folder = values_.chosenPath;
  if (const QString why = whyFolderIsRefused(folder); !why.isEmpty()) {
    dialogs_.message(kTitle, why);
    return;
  }
  values_.dataPath = folder;
  program_.setValue(QStringLiteral("Form_Load"), QStringLiteral("Def DPath"), folder);
  accept();
}

void DataPathWindow::editDriveLetters() {
  DriveMapDialog(drives_, dialogs_, this).exec();
  const QString folder = values_.chosenPath;
  fillDrives();
  chooseFolder(folder);
}

void showDataPathWindow(PanelServices& services) {
  DataPathWindow(services.values(), services.programSettings(), services.drives(), services.dialogs(),
                 services.window())
      .exec();
}

}  // namespace quilmo::panels
