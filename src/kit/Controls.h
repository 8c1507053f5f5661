#pragma once
// Small helpers that create the window's controls with their design values: objectName,
// caption, hint (the text the hint panel hP shows, kept as the "hint" property), tooltip,
// and an accessible name (the caption, else the hint, else the tooltip).
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace quilmo::ui {

// Names the widget and gives it its hint, tooltip and accessible name.
void describe(QWidget* widget, const QString& name, const QString& caption, const QString& hint = {},
              const QString& tooltip = {});
QString hintOf(const QWidget* widget);
void storeHint(QWidget* widget, const QString& hint);

// A raised panel that acts as a button: a real push button, so it takes focus and answers
// Space and Enter.
QPushButton* panelButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {},
                         const QString& tooltip = {});
QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {},
              const QString& tooltip = {});
// A raised panel used as a notice ("Busy Loading..."): a label with a raised frame.
QLabel* notice(QWidget* parent, const QString& name, const QString& caption);
// A raised panel or frame that holds other controls, with its caption as title.
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption);
QListWidget* list(QWidget* parent, const QString& name, const QString& accessible, bool multiSelect = false,
                  const QString& tooltip = {});
QComboBox* combo(QWidget* parent, const QString& name, const QString& accessible, bool editable = true);
QCheckBox* check(QWidget* parent, const QString& name, const QString& caption);

}  // namespace quilmo::ui
