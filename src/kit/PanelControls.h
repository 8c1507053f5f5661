#pragma once
// Small helpers the panels share: reacting to the pointer entering a control (hints), to a
// click on a plain label, to a right click; captions, colours and list entries.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QListWidget;

namespace quilmo::panels {

// Runs `action` each time the pointer enters `widget`.
void onHover(QWidget* widget, std::function<void()> action);
// Runs `action` on a left click released over `widget` (for labels, which have no click),
// and on Space or Enter while it has the focus, as a button would.
void onClick(QWidget* widget, std::function<void()> action);
// A button's click (mouse, Space or Enter), or a left click on any other control, so a
// raised panel works whichever kind of control the window made it.
void onActivated(QWidget* widget, std::function<void()> action);
// Runs `action` with the position (a list's: in its viewport) when the user asks for the
// control's context: a right click, or the menu key.
void onRightClick(QWidget* widget, std::function<void(QPoint)> action);

// A key press of Return or Enter (the main keyboard's or the keypad's).
bool isEnterPress(const QEvent* event);

// The caption of a label or a button, whichever the window made the control.
void setCaption(QWidget* widget, const QString& text);
void setBackColour(QWidget* widget, const QColor& colour);

// Entries of a list box, and the marked ones, in list order.
QStringList entriesOf(const QListWidget& list);
QStringList markedEntriesOf(const QListWidget& list);
QStringList itemsOf(const QComboBox& box);

inline const QColor kLightGrey{224, 224, 224};

}  // namespace quilmo::panels
