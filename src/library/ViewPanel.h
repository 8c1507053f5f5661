#pragma once
// The small handlers of the catalogue view RtB: a click keeps the caret as ViewCaret, a
// double click shows the selection in LaB, the caret's row goes to LinkTel, F3 and F4 are
// "Find-F3" (GCom(2)) and "Find Next-F4" (GCom(3)). RTXw(0) "X" widens the view, RTXw(1)
// "O" narrows it.
#include <QObject>

class QLabel;

namespace quilmo {
class CatalogueView;
class PanelServices;
}

namespace quilmo::panels {

class ViewPanel : public QObject {
  Q_OBJECT
 public:
  explicit ViewPanel(PanelServices& services);

  // For the window to connect to the view's signals.
  void clicked();
  void doubleClicked();
  void selectionChanged();
  void functionKeyPressed(int key);

 Q_SIGNALS:
  // "X" or "O" (RTXw): the view is to be made wide or narrow.
  void widthChosen(bool wide);

 private:
  void showRow();

  PanelServices& services_;
  CatalogueView* view_;  // RtB
  QLabel* rowLabel_;     // LinkTel
};

// Binds RTXw and the hint over RtB; the panel is the window's child.
ViewPanel* attachView(PanelServices& services);

}  // namespace quilmo::panels
