#pragma once
// Small helpers the panels share: finding a control of the window by its entry in the
// table of names,
// reacting to the pointer entering a control (hints) and to a click on a plain label.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "kit/ControlTexts.h"

class QComboBox;
class QListWidget;

namespace quilmo::panels {

// The control named `name` below root. A missing or wrongly typed control is a wiring
// fault of the window, reported at once rather than left to fail on the first click.
QWidget* requireControl(QWidget* root, const QString& name, const char* type);

template <class T>
T* control(QWidget* root, const names::ControlText& text) {
  return static_cast<T*>(requireControl(root, text.objectName(), T::staticMetaObject.className()));
}

// Runs `action` each time the pointer enters `widget`.
void onHover(QWidget* widget, std::function<void()> action);
// Runs `action` on a left click released over `widget` (for labels, which have no click).
void onClick(QWidget* widget, std::function<void()> action);
// A button's click (mouse, Space or Enter), or a left click on any other control, so a
// raised panel works whichever kind of control the window made it.
void onActivated(QWidget* widget, std::function<void()> action);
// The same for the control of the window that `text` names.
void onActivated(QWidget* root, const names::ControlText& text, std::function<void()> action);
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
