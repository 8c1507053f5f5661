#include <QHBoxLayout>
#include <QRadioButton>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* mode(QWidget* parent, ModeControls& c) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (auto [option, entry] : {std::pair{&c.manual, names::mode::manual}, {&c.automatic, names::mode::automatic}}) {
    *option = new QRadioButton(entry.captionText(), box);
    ui::describe(*option, entry);
    row->addWidget(*option);
  }
  c.automatic->setChecked(true);  // AutoMode starts True
  return box;
}

}  // namespace quilmo::groups
