#pragma once
// A drive box and a folder box working as one: the drive box lists the letters of the
// drive map with what each stands for; the folder box shows the drive's root and each
// folder down to the one shown, open and indented a step deeper each, then that folder's
// sub-folders one step deeper still. Its current entry is the folder shown; activating an
// open folder goes up to it, a sub-folder goes into it. Used by the browse area (Drive1,
// Dir1) and the program picker (Drive2, Dir2).
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace quilmo {
class DriveMap;
}

namespace quilmo::panels {

class FolderRows;

class FolderBox : public QObject {
  Q_OBJECT
 public:
  // withComputerRoot: the drive box also offers "/", every folder of this computer (the
  // program picker needs it: programs seldom live on a drive letter's folder).
  FolderBox(DriveMap& drives, QComboBox* driveBox, QListWidget* folderList, bool withComputerRoot, QObject* parent);

  // Re-reads the drive map; the drive shown stays chosen. Also runs whenever the map
  // changes.
  void fillDrives();
  // Shows the root of the letter's drive. False, with nothing changed, when it holds no disc.
  bool showDrive(QChar letter);
  // Shows a native folder below the letter's root, or, without a letter, below the
  // deepest drive root that holds it. False, with nothing changed, when it is not an
  // existing folder there.
  bool showFolder(const QString& nativeFolder, QChar letter = {});

  QChar letter() const { return letter_; }   // null on the computer root
  QString folder() const { return folder_; } // native, ending with the separator


 Q_SIGNALS:
  void folderChanged();              // after another folder is shown
  void driveHasNoDisc(QChar letter);  // the user chose a drive that holds no disc

 private:
  void drivesChanged();
  void driveChosen(int row);
  void enter(const QListWidgetItem* item);
  void listFolder();
  QStringList openFolders() const;  // the root's name, then each folder down to the one shown
  int rowOfLetter(QChar letter) const;
  QString rootOfRow(int row) const;

  DriveMap& drives_;
  QComboBox* driveBox_;
  QListWidget* folderList_;
  FolderRows* rows_;
  bool withComputerRoot_;
  QChar letter_;
  QString root_;    // the root of the drive shown
  QString folder_;
};

}  // namespace quilmo::panels
