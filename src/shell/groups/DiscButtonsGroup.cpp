#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* discButtons(QWidget* parent) {
  using namespace names::discButtons;
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const names::ControlText& button : {create, rename, open, deleteDisc, deleteMany, undoList})
    row->addWidget(ui::panelButton(box, button));

  QGroupBox* FiXPan = ui::frame(box, fixFrame);
  auto* fixRow = new QHBoxLayout(FiXPan);
  fixRow->setContentsMargins(4, 0, 4, 2);
  fixRow->addWidget(ui::panelButton(FiXPan, fix));
  row->addWidget(FiXPan);

  QLabel* Label4 = ui::label(box, updateXFiles);
  Label4->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label4->setAutoFillBackground(true);
  Label4->setMargin(3);
  row->addWidget(Label4);
  row->addWidget(ui::label(box, split));
  row->addStretch();
  return box;
}

}  // namespace quilmo::groups
