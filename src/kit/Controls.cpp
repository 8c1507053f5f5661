#include "kit/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVariant>

namespace quilmo::ui {

namespace {
const char* const kHint = "hint";
}

void describe(QWidget* widget, const QString& name, const QString& caption, const QString& hint,
              const QString& tooltip) {
  widget->setObjectName(name);
  if (!hint.isEmpty()) widget->setProperty(kHint, hint);
  if (!tooltip.isEmpty()) widget->setToolTip(tooltip);
  QString spoken = caption;
  spoken.remove(QStringLiteral("&&"));  // an escaped ampersand is read as nothing
  if (spoken.trimmed().isEmpty()) spoken = hint;
  if (spoken.trimmed().isEmpty()) spoken = tooltip;
  widget->setAccessibleName(spoken.trimmed().isEmpty() ? name : spoken.trimmed());
}

QString hintOf(const QWidget* widget) { return widget->property(kHint).toString(); }

void storeHint(QWidget* widget, const QString& hint) { widget->setProperty(kHint, hint); }

QPushButton* panelButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
                         const QString& tooltip) {
  auto* button = new QPushButton(caption, parent);
  describe(button, name, caption, hint, tooltip);
  button->setAutoDefault(false);
  return button;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, const QString& hint,
              const QString& tooltip) {
  auto* l = new QLabel(caption, parent);
  describe(l, name, caption, hint, tooltip);
  return l;
}

QLabel* notice(QWidget* parent, const QString& name, const QString& caption) {
  auto* l = label(parent, name, caption);
  l->setFrameStyle(QFrame::Panel | QFrame::Raised);
  l->setLineWidth(2);
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  l->setMargin(8);
  return l;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption) {
  auto* box = new QGroupBox(caption, parent);
  describe(box, name, caption);
  box->setAutoFillBackground(true);
  return box;
}

QListWidget* list(QWidget* parent, const QString& name, const QString& accessible, bool multiSelect,
                  const QString& tooltip) {
  auto* l = new QListWidget(parent);
  describe(l, name, accessible, {}, tooltip);
  if (multiSelect) l->setSelectionMode(QAbstractItemView::MultiSelection);
  l->setUniformItemSizes(true);
  return l;
}

QComboBox* combo(QWidget* parent, const QString& name, const QString& accessible, bool editable) {
  auto* c = new QComboBox(parent);
  describe(c, name, accessible);
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(8);
  return c;
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  describe(box, name, caption);
  return box;
}

}  // namespace quilmo::ui
