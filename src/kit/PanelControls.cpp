#include "kit/PanelControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "kit/WidgetFactory.h"

namespace quilmo::panels {

namespace {

// Watches one widget for one kind of event; lives as the widget's child.
class EventHook : public QObject {
 public:
  EventHook(QWidget* widget, std::function<bool(QEvent*)> matches, std::function<void()> action)
      : QObject(widget), matches_(std::move(matches)), action_(std::move(action)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && matches_(event)) action_();
    return false;
  }

 private:
  std::function<bool(QEvent*)> matches_;
  std::function<void()> action_;
};

}  // namespace



void onHover(QWidget* widget, std::function<void()> action) {
  new EventHook(widget, [](QEvent* e) { return e->type() == QEvent::Enter; }, std::move(action));
}

void onClick(QWidget* widget, std::function<void()> action) {
  new EventHook(
      widget,
      [widget](QEvent* e) {
        if (e->type() == QEvent::KeyPress) {
          const int key = static_cast<QKeyEvent*>(e)->key();
          return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        if (e->type() != QEvent::MouseButtonRelease) return false;
        const auto* mouse = static_cast<QMouseEvent*>(e);
        return mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
      },
      std::move(action));
}

void onActivated(QWidget* widget, std::function<void()> action) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    QObject::connect(button, &QAbstractButton::clicked, button, [action = std::move(action)] { action(); });
  else
    onClick(widget, std::move(action));
}

void onRightClick(QWidget* widget, std::function<void(QPoint)> action) {
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(widget, &QWidget::customContextMenuRequested, widget, std::move(action));
}

bool isEnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void setCaption(QWidget* widget, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
  else widget->setWindowTitle(text);
  ui::nameByCaption(widget);
}

void setBackColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(widget->backgroundRole(), colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QStringList entriesOf(const QListWidget& list) {
  QStringList entries;
  for (int row = 0; row < list.count(); ++row) entries += list.item(row)->text();
  return entries;
}

QStringList markedEntriesOf(const QListWidget& list) {
  QStringList marked;
  for (int row = 0; row < list.count(); ++row)
    if (list.item(row)->isSelected()) marked += list.item(row)->text();
  return marked;
}

QStringList itemsOf(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items += box.itemText(i);
  return items;
}

}  // namespace quilmo::panels
