#include <QHBoxLayout>
#include <QRadioButton>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* mode(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const names::ControlText& text : {names::mode::manual, names::mode::automatic}) {
    auto* option = new QRadioButton(text.captionText(), box);
    ui::describe(option, text);
    option->setChecked(text.index == names::mode::automatic.index);  // AutoMode starts True
    row->addWidget(option);
  }
  return box;
}

}  // namespace quilmo::groups
