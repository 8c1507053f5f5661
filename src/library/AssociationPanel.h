#pragma once
// SocPan, "Associations": the program's own table of which program opens which file type.
// SoCLys shows the table, EXLys the types met so far, SoCTeX the line being edited; the
// buttons SoCCom(0..4) are "NEW", "EDITed", "DELETE", "OK" and "Select". The picker
// AddNew (Drive2, Dir2, File2, PastePad) finds a program; AssHP shows the help text.
#include <QObject>
#include <QString>

#include "library/AssociationTable.h"

class QLineEdit;
class QListWidget;
class QTextEdit;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class FolderBox;

class AssociationPanel : public QObject {
  Q_OBJECT
 public:
  // Reads the table from DataPath (QM.soc, QM.EXL) and fills SoCLys and EXLys.
  explicit AssociationPanel(PanelServices& services);

  const library::AssociationTable& table() const { return table_; }

  // FiL.Tag: the type prefix of the file last clicked, the type of a new association.
  void setFileType(const QString& typePrefix) { fileType_ = typePrefix; }
  // A right click on a file: the panel opens for its type, which joins EXLys if new.
  void openFor(const QString& typePrefix);
  // Shows the panel with its help text (after "No association?").
  void showWithHelp();

 private:
  void startNew();
  void storeEdited();
  void deleteSelected();
  void close();
  void selectProgram();
  void offerUndo();
  void pastePath();
  void listPrograms();
  void showLines(int currentRow = -1);
  int selectedRow() const;
  bool refusedLine(const QString& line);
  void say(const QString& text);

  PanelServices& services_;
  library::AssociationTable table_;
  QString fileType_;
  QWidget* panel_;         // SocPan
  QTextEdit* help_;        // AssHP
  QListWidget* lines_;     // SoCLys
  QListWidget* types_;     // EXLys
  QLineEdit* line_;        // SoCTeX
  QWidget* editedButton_;  // SoCCom(1)
  QWidget* picker_;        // AddNew
  FolderBox* folders_;     // Drive2 and Dir2
  QListWidget* programs_;  // File2
  QLineEdit* pasted_;      // PastePad
  QWidget* hintLabel_;     // HIW
  QListWidget* hints_;     // HLys
};

// Binds SocPan and its controls; the panel is the window's child.
AssociationPanel* attachAssociations(PanelServices& services);

}  // namespace quilmo::panels
