#include "kit/WidgetFactory.h"

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
  QString name = spoken.isEmpty() ? text.captionText() : spoken;
  name.remove(QStringLiteral("&&"));  // an escaped ampersand is read as nothing
  if (name.trimmed().isEmpty()) name = text.hintText();
  if (name.trimmed().isEmpty()) name = text.tooltipText();
  widget->setAccessibleName(name.trimmed().isEmpty() ? text.objectName() : name.trimmed());
}

QString hintOf(const QWidget* widget) { return widget->property(kHint).toString(); }

void storeHint(QWidget* widget, const QString& hint) { widget->setProperty(kHint, hint); }

QPushButton* panelButton(QWidget* parent, const ControlText& text) {
  auto* button = new QPushButton(text.captionText(), parent);
  describe(button, text);
  button->setAutoDefault(false);
  button->installEventFilter(new EnterPresses(button));
  return button;
}

QLabel* label(QWidget* parent, const ControlText& text) {
  auto* l = new QLabel(text.captionText(), parent);
  describe(l, text);
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
