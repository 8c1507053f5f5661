#pragma once
// MsgP: the in-window message panel behind MsG. It shows a heading, a centred message, the
// buttons "Yes", "NO", "CANCEL" (enabled as asked) and one of two icons, then waits in a
// nested event loop, the rest of the window still working, until a button is pressed.
#include <QFrame>
#include <QPoint>
#include <array>

#include "kit/PanelServices.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace quilmo {

class MessagePanel : public QFrame {
  Q_OBJECT
 public:
  // answer is MsgAnswer: 0 while waiting, then the Answer pressed (6 Yes, 7 No, 2 Cancel).
  MessagePanel(QWidget* parent, int& answer);

  Answer ask(const QString& heading, MsgButtons buttons, const QString& message, MsgIcon icon);
  bool isWaiting() const { return waiting_; }
  // Ends a wait as if Cancel had been pressed, whether or not it is enabled: Escape, or
  // the window closing. Every caller then acts as for no answer.
  void cancelWait();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void press(int index);

  int& answer_;
  bool waiting_ = false;
  QLabel* heading_;                        // MsgH
  QTextEdit* message_;                     // MsgT
  std::array<QPushButton*, 3> buttons_{};  // MsgC(0..2)
  std::array<QLabel*, 2> icons_{};         // MsgI(0..1), in MsgIcon's order
  bool dragging_ = false;
  QPoint grip_;
};

}  // namespace quilmo
