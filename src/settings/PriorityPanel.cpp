#include "settings/PriorityPanel.h"

#include <QPushButton>

#include "shell/Quilmo.h"

namespace quilmo {

namespace {

struct Choice {
  int level;
  const char* caption;
};
constexpr Choice kChoices[] = {{5, "Low >>"}, {3, "Default >>"}, {1, "High >>"}};

}  // namespace

void attachPriority(Quilmo& window) {
  auto* Prio = window.control<QPushButton>(QStringLiteral("Prio"));
  QWidget* PrioF = window.control(QStringLiteral("PrioF"));
  QObject::connect(Prio, &QPushButton::clicked, PrioF, [PrioF] {
    PrioF->show();
    PrioF->raise();
  });
  QObject::connect(window.control<QPushButton>(QStringLiteral("PrioC(0)")), &QPushButton::clicked, PrioF,
                   &QWidget::hide);
  for (int i = 1; i <= 3; ++i) {
    const Choice choice = kChoices[i - 1];
    QObject::connect(window.control<QPushButton>(QStringLiteral("PrioC(%1)").arg(i)), &QPushButton::clicked, PrioF,
                     [&window, Prio, PrioF, choice] {
                       window.values().prioLevel = choice.level;
                       Prio->setText(QString::fromLatin1(choice.caption));
                       Prio->setAccessibleName(Prio->text());
                       PrioF->hide();
                     });
  }
}

}  // namespace quilmo
