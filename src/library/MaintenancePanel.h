#pragma once
// The maintenance buttons SSPanel1(0..7) beside the disc list: rename, open, delete one
// disc, clear the search words, and the panel DmD that deletes many discs at once. Also
// the undo of the last change to the disc list, for the window to bind to its control.
#include <QObject>
#include <QString>
#include <functional>

#include "library/DiscMaintenance.h"

class QComboBox;
class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class MaintenancePanel : public QObject {
  Q_OBJECT
 public:
  // Finds its controls below services.window() and binds them; lives as the window's child.
  explicit MaintenancePanel(PanelServices& services);


  // "Undo last change to the disc list": asks, undoes the last rename or delete and
  // reloads TeX. The window binds it to its control UndoList.
  void undoLastListChange();

 Q_SIGNALS:
  // "OPEN" (SSPanel1(2)): the current disc is to be loaded (TeX_Click).
  void openDiscRequested();
  // The user cleared the workspace after a delete: the catalogue view is to be emptied.
  void clearViewRequested();

 private:
  void rename();
  void deleteOne();
  void clearSearchWords();
  void showDeleteMany();
  void hideDeleteMany();
  void deleteMany();

  // Refills TeX from QM.tex, yielding between entries at the low priority level.
  void reloadDiscList();
  // TeX names the disc in view again after the list was reloaded; when the change renamed
  // that disc, TeX and the caption take its new name.
  void showAfterChange(const QString& shown, const library::MaintenanceResult& result);
  // The view that shows a renamed disc's catalogue follows it to its new name.
  void followRenamedCatalogue(const std::pair<QString, QString>& renamed);
  // index: of the SSPanel1 button that acted; -1 for another control.
  void showStepErrors(int index, const library::MaintenanceResult& result);
  bool confirmed(const QString& heading, const QString& message);
  void sayError(const QString& message);

  PanelServices& services_;
  QComboBox* discList_;     // TeX
  QWidget* discCount_;      // DTel
  QWidget* updateLabel_;    // Label4
  QComboBox* searchWords_;  // FTex
  QWidget* deletePanel_;    // DmD
  QListWidget* deleteList_; // DmDLys
};

// Binds the maintenance buttons of the window; the panel is the window's child.
MaintenancePanel* attachMaintenance(PanelServices& services);

}  // namespace quilmo::panels
