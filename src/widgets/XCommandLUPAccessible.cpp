#include "widgets/XCommandLUPAccessible.h"

#include <QAccessibleWidget>

#include "widgets/XCommandLUP.h"

namespace quilmo {

namespace {

class CommandButtonAccessible : public QAccessibleWidget {
 public:
  explicit CommandButtonAccessible(XCommandLUP* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && button()->accessibleName().isEmpty()) return button()->caption();
    return QAccessibleWidget::text(t);
  }

  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    // Queued, as Qt's own buttons do: a click that opens a question must not hold the
    // reader's call until the question is answered.
    if (action == pressAction()) QMetaObject::invokeMethod(button(), &XCommandLUP::click, Qt::QueuedConnection);
    else QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  XCommandLUP* button() const { return static_cast<XCommandLUP*>(widget()); }
};

QAccessibleInterface* commandButtonFactory(const QString&, QObject* object) {
  auto* button = qobject_cast<XCommandLUP*>(object);
  return button ? new CommandButtonAccessible(button) : nullptr;
}

}  // namespace

void installCommandButtonAccessible() {
  static const bool installed = (QAccessible::installFactory(commandButtonFactory), true);
  Q_UNUSED(installed);
}

}  // namespace quilmo
