#pragma once
// "Drive letters": lets the user say what a drive letter stands for, a mounted volume or
// a folder, or take a letter's mapping away, without editing any file. Enter in a field
// acts for that field: in the folder it maps to the folder, on a volume to the volume.
#include <QDialog>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;

namespace quilmo {
class Dialogs;
class DriveMap;
}  // namespace quilmo

namespace quilmo::panels {

class DriveMapDialog : public QDialog {
  Q_OBJECT
 public:
  DriveMapDialog(DriveMap& drives, Dialogs& dialogs, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

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

}  // namespace quilmo::panels
