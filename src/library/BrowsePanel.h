#pragma once
// The browse area: the drive box Drive1, the folder box Dir1, the hidden file list File1
// and the file list FiL, which lists the files of BrowseFolder with their type prefixes.
// "GoTo" (OpenFile) opens the folder of the text selected in the catalogue view on the
// disc in the drive; a double click on FiL starts a program or opens a file with the
// program the association table gives for its type; a right click sets associations.
#include <QObject>
#include <QString>

class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class AssociationPanel;
class FolderBox;

class BrowsePanel : public QObject {
  Q_OBJECT
 public:
  BrowsePanel(PanelServices& services, AssociationPanel& associations);

  // "GoTo": the selection's folder on the default disc drive.
  void goTo();
  // "Refresh Drive Info": re-reads the drives and shows the root of the drive in Drive1
  // again, so the browse area shows the disc now in the drive. A drive with no disc
  // leaves the boxes as they are.
  void refreshDriveInfo();
  // Shows the root of a drive (the drive letter given on the command line at start-up).
  bool showDrive(QChar letter);

 private:
  void listFolder();
  void fileClicked();
  void fileDoubleClicked();
  void fileRightClicked(const QPoint& at);
  // Shows the folder on the letter's disc; a drive without a disc or a disc without the
  // folder is said, and the browse area goes back to drive C. catalogue: the one the
  // folder was taken from, which tells a wrong disc from a folder gone from the right one.
  bool openOnDisc(QChar letter, const QString& folder, const QString& catalogue = {});
  QString currentEntry() const;

  PanelServices& services_;
  AssociationPanel& associations_;
  FolderBox* folders_;     // Drive1 and Dir1
  QListWidget* plain_;     // File1
  QListWidget* files_;     // FiL
  QWidget* instructions_;  // Label3
};

// Binds the browse area and "GoTo"; the panel is the window's child.
BrowsePanel* attachBrowsing(PanelServices& services, AssociationPanel& associations);

}  // namespace quilmo::panels
