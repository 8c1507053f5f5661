#pragma once
// The small handlers of the catalogue view RtB: a click keeps the caret as ViewCaret, a
// double click shows the selection in LaB, the caret's row goes to LinkTel, F3 and F4 are
// "Find-F3" (GCom(2)) and "Find Next-F4" (GCom(3)). RTXw(0) "X" widens the view, RTXw(1)
// "O" narrows it. The panel knows the view only through hooks, so it works whatever the
// view's class.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class ViewPanel : public QObject {
  Q_OBJECT
 public:
  explicit ViewPanel(PanelServices& services);

  // Set by the window: the view's caret position, the caret's line counting from 0, the
  // selected text, and the layout change of RTXw (true: wide).
  std::function<qint64()> caretPosition;
  std::function<qint64()> caretLine;
  std::function<QString()> selectedText;

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
  QWidget* rowLabel_;  // LinkTel
};

// Binds RTXw and the hint over RtB; the panel is the window's child.
ViewPanel* attachView(PanelServices& services);

}  // namespace quilmo::panels
