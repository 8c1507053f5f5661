#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* priority(QWidget* parent) {
  QPushButton* Prio = ui::panelButton(parent, QStringLiteral("Prio"), QStringLiteral("Default >>"));
  Prio->setFlat(true);  // a label that opens the settings frame
  return Prio;
}

void priorityPanel(Overlays& overlays) {
  QGroupBox* PrioF = ui::frame(nullptr, QStringLiteral("PrioF"), QStringLiteral("Priority Settings (Not saved)"));
  auto* grid = new QGridLayout(PrioF);
  QPushButton* close = ui::panelButton(PrioF, QStringLiteral("PrioC(0)"), QStringLiteral("X"), {}, QStringLiteral("Close"));
  close->setAccessibleName(QStringLiteral("Close"));
  close->setFixedWidth(30);
  grid->addWidget(close, 0, 1, Qt::AlignRight);
  const QString buttons[3] = {QStringLiteral("Low"), QStringLiteral("Default"), QStringLiteral("High")};
  const QString legends[3] = {QStringLiteral("Background (5)"), QStringLiteral("Normal (3)"),
                              QStringLiteral("Foreground (1)")};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(ui::panelButton(PrioF, panels::arrayName(QStringLiteral("PrioC"), i + 1), buttons[i]), i + 1, 0);
    grid->addWidget(ui::label(PrioF, panels::arrayName(QStringLiteral("PrioL"), i), legends[i]), i + 1, 1);
  }
  overlays.add(PrioF, Overlays::Anchor::WindowTopRight);
}

}  // namespace quilmo::groups
