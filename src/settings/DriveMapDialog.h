#pragma once
// "Drive letters": lets the user say what a drive letter stands for, a mounted volume or
// a folder, or take a letter's mapping away, without editing any file.
#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace quilmo {
class Dialogs;
class DriveMap;
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class DriveMapDialog : public QDialog {
  Q_OBJECT
 public:
  DriveMapDialog(DriveMap& drives, Dialogs& dialogs, QWidget* parent = nullptr);

 private:
  void fillLetters();
  void fillVolumes();
  QChar chosenLetter() const;
  void mapToVolume();
  void mapToFolder();
  void browseFolder();
  void unmap();

  DriveMap& drives_;
  Dialogs& dialogs_;
  QComboBox* letters_;
  QListWidget* volumes_;
  QLineEdit* folder_;
};

// Opens "Drive letters" over the window and returns when it closes.
void showDriveLetters(PanelServices& services);

}  // namespace quilmo::panels
