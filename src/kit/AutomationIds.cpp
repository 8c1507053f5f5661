#include "kit/AutomationIds.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace quilmo {

namespace {

void name(QWidget* widget) {
  if (!widget->objectName().isEmpty() && widget->accessibleDescription() != widget->objectName())
    widget->setAccessibleDescription(widget->objectName());
}

class Watcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::Polish || event->type() == QEvent::Show) && watched->isWidgetType())
      name(static_cast<QWidget*>(watched));
    return false;
  }
};

}  // namespace

bool automationIdsWanted() { return qEnvironmentVariable("QUILMO_AUTOMATION_IDS") == QStringLiteral("1"); }

void enableAutomationIds() {
  static Watcher* watcher = nullptr;
  if (watcher) return;
  watcher = new Watcher(qApp);
  qApp->installEventFilter(watcher);
}

void applyAutomationIds(QWidget* root) {
  name(root);
  for (QWidget* child : root->findChildren<QWidget*>()) name(child);
}

}  // namespace quilmo
