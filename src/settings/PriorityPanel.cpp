#include "settings/PriorityPanel.h"

#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"

namespace quilmo {

namespace {

struct Choice {
  int level;
  const char* caption;
};
constexpr Choice kChoices[] = {{5, "Low >>"}, {3, "Default >>"}, {1, "High >>"}};

}  // namespace

void attachPriority(PanelServices& services) {
  QWidget* window = services.window();
  auto* Prio = panels::control<QPushButton>(window, QStringLiteral("Prio"));
  auto* PrioF = panels::control<QWidget>(window, QStringLiteral("PrioF"));
  QObject::connect(Prio, &QPushButton::clicked, PrioF, [PrioF] {
    PrioF->show();
    PrioF->raise();
  });
  QObject::connect(panels::control<QPushButton>(window, QStringLiteral("PrioC(0)")), &QPushButton::clicked, PrioF,
                   &QWidget::hide);
  for (int i = 1; i <= 3; ++i) {
    const Choice choice = kChoices[i - 1];
    QObject::connect(panels::control<QPushButton>(window, QStringLiteral("PrioC(%1)").arg(i)), &QPushButton::clicked,
                     PrioF, [&services, Prio, PrioF, choice] {
                       services.values().prioLevel = choice.level;
                       Prio->setText(QString::fromLatin1(choice.caption));
                       Prio->setAccessibleName(Prio->text());
                       PrioF->hide();
                     });
  }
}

}  // namespace quilmo
