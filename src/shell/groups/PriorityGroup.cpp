#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "kit/Overlays.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* priority(QWidget* parent, PriorityControls& c) {
  c.opener = ui::panelButton(parent, names::priority::opener);
  c.opener->setFlat(true);  // a label that opens the settings frame
  return c.opener;
}

void priorityPanel(Overlays& overlays, PriorityControls& c) {
  namespace text = names::priority;
  c.frame = ui::frame(nullptr, text::frame);
  auto* grid = new QGridLayout(c.frame);
  c.close = ui::panelButton(c.frame, text::close);
  c.close->setFixedWidth(30);
  grid->addWidget(c.close, 0, 1, Qt::AlignRight);
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(c.levels[i] = ui::panelButton(c.frame, text::levels[i]), i + 1, 0);
    grid->addWidget(ui::label(c.frame, text::legends[i]), i + 1, 1);
  }
  overlays.add(c.frame, Overlays::Anchor::WindowTopRight);
}

}  // namespace quilmo::groups
