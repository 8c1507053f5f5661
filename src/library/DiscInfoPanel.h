#pragma once
// "Disc information…" (DiscInformation): Ctrl+I in the main window, or the entry of the disc
// list TeX's context menu, opens the information dialog of the disc named in TeX, else of
// the disc in view. One dialog at a time: opening another closes the one that was open.
#include <QObject>
#include <QPointer>

class QAction;
class QDialog;
class QLineEdit;
class QPoint;

namespace quilmo {
class PanelServices;
}  // namespace quilmo

namespace quilmo::panels {

class DiscInView;

class DiscInfoPanel : public QObject {
  Q_OBJECT
 public:
  DiscInfoPanel(PanelServices& services, const DiscInView& inView);

  void open();

 private:
  // The catalogue of the disc to show; empty when there is none.
  QString chosenCatalogue() const;
  void showMenu(QPoint at);

  PanelServices& services_;
  const DiscInView& inView_;
  QLineEdit* discName_;  // TeX's edit line
  QAction* action_;
  QPointer<QDialog> shown_;
};

// Adds the action with its shortcut and TeX's context menu; the panel is the window's child.
DiscInfoPanel* attachDiscInfo(PanelServices& services, const DiscInView& inView);

}  // namespace quilmo::panels
