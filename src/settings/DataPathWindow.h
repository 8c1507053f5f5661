#pragma once
// SetDPad, the data-path chooser: a modal window in which the user picks the folder that
// holds the disc list and the catalogues. "Set selected path" makes it DataPath and stores
// it as "Def DPath"; "CANCEL" changes nothing.
#include <QDialog>

class QComboBox;
class QModelIndex;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QTreeView;

namespace quilmo {
class Dialogs;
class DriveMap;
class PanelServices;
class SettingsStore;
struct ProgramValues;
}  // namespace quilmo

namespace quilmo::panels {

class DataPathWindow : public QDialog {
  Q_OBJECT
 public:
  DataPathWindow(ProgramValues& values, SettingsStore& program, DriveMap& drives, Dialogs& dialogs,
                 QWidget* parent = nullptr);

  // Shows the folder in Dir1 and makes it the chosen one, as a click there would.
  void chooseFolder(const QString& folder);

 private:
  void fillDrives();
  void driveChanged(int row);
  void folderChanged(const QString& folder);
  void setSelectedPath();
  void editDriveLetters();
  QModelIndex indexOf(const QString& folder) const;
  QString whyFolderIsRefused(const QString& folder) const;

  ProgramValues& values_;
  SettingsStore& program_;
  DriveMap& drives_;
  Dialogs& dialogs_;
  QComboBox* driveBox_;      // Drive1
  QTreeView* folders_;       // Dir1
  QFileSystemModel* model_;
  QListWidget* files_;       // File1
  QLabel* chosen_;           // WysP
};

// Opens SetDPad over the window and returns when it closes.
void showDataPathWindow(PanelServices& services);

}  // namespace quilmo::panels
