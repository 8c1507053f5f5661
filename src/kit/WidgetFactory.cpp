#include "kit/WidgetFactory.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVariant>

namespace quilmo::ui {

namespace {

const char* const kHint = "hint";
const char* const kSpoken = "spokenName";

QString captionOf(const QWidget* widget) {
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  return widget->property("Caption").toString();  // a control of the program's own making
}

// Enter presses a focused panel button as Space does. A plain push button answers Enter
// only as a dialog's default, which none of the window's buttons is.
class EnterPresses : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    static_cast<QPushButton*>(watched)->click();
    return true;
  }
};

}  // namespace

void describe(QWidget* widget, const ControlText& text, const QString& spoken) {
  widget->setObjectName(text.objectName());
  if (*text.hint) widget->setProperty(kHint, text.hintText());
  if (*text.tooltip) widget->setToolTip(text.tooltipText());
  QString name = spoken.isEmpty() ? text.hintText() : spoken;
  if (name.trimmed().isEmpty()) name = text.tooltipText();
  // A label says what it is beside its value (the automation id takes this place when wanted).
  if (qobject_cast<QLabel*>(widget) && !name.trimmed().isEmpty() && !*text.caption)
    widget->setAccessibleDescription(name.trimmed());
  widget->setProperty(kSpoken, name.trimmed().isEmpty() ? text.objectName() : name.trimmed());
  nameByCaption(widget);
}

void nameByCaption(QWidget* widget) {
  if (!widget->property(kSpoken).isValid()) return;  // not built from the table
  // Labels are always read by their text: one that shows nothing is passed over anyway.
  const bool readByCaption = qobject_cast<QLabel*>(widget) || !captionOf(widget).isEmpty();
  widget->setAccessibleName(readByCaption ? QString() : widget->property(kSpoken).toString());
}

QString hintOf(const QWidget* widget) { return widget->property(kHint).toString(); }

void storeHint(QWidget* widget, const QString& hint) { widget->setProperty(kHint, hint); }

QPushButton* panelButton(QWidget* parent, const ControlText& text, const QString& spoken) {
  auto* button = new QPushButton(text.captionText(), parent);
  describe(button, text, spoken);
  button->setAutoDefault(false);
  button->installEventFilter(new EnterPresses(button));
  return button;
}

QLabel* label(QWidget* parent, const ControlText& text, const QString& spoken) {
  auto* l = new QLabel(text.captionText(), parent);
  describe(l, text, spoken);
  return l;
}

QLabel* notice(QWidget* parent, const ControlText& text) {
  auto* l = label(parent, text);
  l->setFrameStyle(QFrame::Panel | QFrame::Raised);
  l->setLineWidth(2);
  l->setAlignment(Qt::AlignCenter);
  l->setAutoFillBackground(true);
  l->setMargin(8);
  return l;
}

QGroupBox* frame(QWidget* parent, const ControlText& text) {
  auto* box = new QGroupBox(text.captionText(), parent);
  describe(box, text);
  box->setAutoFillBackground(true);
  return box;
}

QListWidget* list(QWidget* parent, const ControlText& text, const QString& spoken, bool multiSelect) {
  auto* l = new QListWidget(parent);
  describe(l, text, spoken);
  if (multiSelect) l->setSelectionMode(QAbstractItemView::MultiSelection);
  l->setUniformItemSizes(true);
  return l;
}

QComboBox* combo(QWidget* parent, const ControlText& text, const QString& spoken, bool editable) {
  auto* c = new QComboBox(parent);
  describe(c, text, spoken);
  c->setEditable(editable);
  if (editable) {
    // The text is used exactly as typed: no completing inline from the list, and no
    // listed entry of another letter case taken over when the edit line loses the focus.
    c->setCompleter(nullptr);
    c->lineEdit()->setAccessibleName(c->accessibleName());  // it takes the focus, not the box
    QObject::disconnect(c->lineEdit(), &QLineEdit::editingFinished, c, nullptr);
  }
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c->setMinimumContentsLength(8);
  return c;
}

QCheckBox* check(QWidget* parent, const ControlText& text) {
  auto* box = new QCheckBox(text.captionText(), parent);
  describe(box, text);
  return box;
}

}  // namespace quilmo::ui
