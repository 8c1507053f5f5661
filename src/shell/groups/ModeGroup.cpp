#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

#include "kit/Controls.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* mode(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  const QString captions[2] = {QStringLiteral("Man"), QStringLiteral("Aut")};
  const QString tooltips[2] = {QStringLiteral("Let the user decide what he/she wants to happen in the program"),
                               QStringLiteral("Program choose certain options automatically")};
  for (int i = 0; i < 2; ++i) {
    auto* option = new QRadioButton(captions[i], box);
    ui::describe(option, panels::arrayName(QStringLiteral("MAo"), i), captions[i], {}, tooltips[i]);
    option->setChecked(i == 1);  // AutoMode starts True
    row->addWidget(option);
  }
  return box;
}

}  // namespace quilmo::groups
