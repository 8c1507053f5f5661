#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "kit/WidgetFactory.h"
#include "kit/Overlays.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* priority(QWidget* parent) {
  QPushButton* Prio = ui::panelButton(parent, names::priority::opener);
  Prio->setFlat(true);  // a label that opens the settings frame
  return Prio;
}

void priorityPanel(Overlays& overlays) {
  using namespace names::priority;
  QGroupBox* PrioF = ui::frame(nullptr, frame);
  auto* grid = new QGridLayout(PrioF);
  QPushButton* closer = ui::panelButton(PrioF, close);
  closer->setAccessibleName(close.tooltipText());
  closer->setFixedWidth(30);
  grid->addWidget(closer, 0, 1, Qt::AlignRight);
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(ui::panelButton(PrioF, levels[i]), i + 1, 0);
    grid->addWidget(ui::label(PrioF, legends[i]), i + 1, 1);
  }
  overlays.add(PrioF, Overlays::Anchor::WindowTopRight);
}

}  // namespace quilmo::groups
