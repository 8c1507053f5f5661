#pragma once
// Small helpers that create the window's controls with their design values: objectName,
// caption, hint (the text the hint panel hP shows, kept as the "hint" property), tooltip,
// all from the window's table of names (ControlTexts.h). A control that shows a caption is
// read by that caption, whatever it becomes; one that shows none by a name of its own.
#include <QString>

#include "kit/ControlTexts.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace quilmo::ui {

using names::ControlText;

// Names the widget and gives it its hint, tooltip and accessible name; `spoken` says what a
// control is when it shows no caption of its own (a list, an edit line, an empty label).
void describe(QWidget* widget, const ControlText& text, const QString& spoken = {});
// Keeps the accessible name in step with a caption just set: none while a caption shows
// (Qt then reads the caption itself), the spoken name while a button or frame shows none.
void nameByCaption(QWidget* widget);
// Names a control of a window that is not built from the table; `spoken` as above.
template <class T>
T* named(T* widget, const QString& objectName, const QString& spoken = {}) {
  widget->setObjectName(objectName);
  if (!spoken.isEmpty()) widget->setAccessibleName(spoken);
  return widget;
}
QString hintOf(const QWidget* widget);
void storeHint(QWidget* widget, const QString& hint);

// A raised panel that acts as a button: a real push button, so it takes focus and answers
// Space and Enter.
QPushButton* panelButton(QWidget* parent, const ControlText& text, const QString& spoken = {});
QLabel* label(QWidget* parent, const ControlText& text, const QString& spoken = {});
// A raised panel used as a notice ("Busy Loading..."): a label with a raised frame.
QLabel* notice(QWidget* parent, const ControlText& text);
// A raised panel or frame that holds other controls, with its caption as title.
QGroupBox* frame(QWidget* parent, const ControlText& text);
QListWidget* list(QWidget* parent, const ControlText& text, const QString& spoken, bool multiSelect = false);
QComboBox* combo(QWidget* parent, const ControlText& text, const QString& spoken, bool editable = true);
QCheckBox* check(QWidget* parent, const ControlText& text);

}  // namespace quilmo::ui
