#include "settings/PriorityPanel.h"

#include <QGroupBox>
#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"

namespace quilmo::panels {

namespace {

struct Choice {
  int level;
  const char* caption;
};
constexpr Choice kChoices[] = {{5, "Low >>"}, {3, "Default >>"}, {1, "High >>"}};

}  // namespace

void attachPriority(PanelServices& services) {
  auto* Prio = services.controls().priority.opener;
  auto* PrioF = services.controls().priority.frame;
  QObject::connect(Prio, &QPushButton::clicked, PrioF, [PrioF] {
    PrioF->show();
    PrioF->raise();
  });
  QObject::connect(services.controls().priority.close, &QPushButton::clicked, PrioF,
                   &QWidget::hide);
  for (int i = 0; i < 3; ++i) {
    const Choice choice = kChoices[i];
    QObject::connect(services.controls().priority.levels[i], &QPushButton::clicked,
                     PrioF, [&services, Prio, PrioF, choice] {
                       services.values().prioLevel = choice.level;
                       Prio->setText(QString::fromLatin1(choice.caption));
                       PrioF->hide();
                     });
  }
}

}  // namespace quilmo::panels
