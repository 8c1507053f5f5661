#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* discButtons(QWidget* parent, DiscButtonControls& c) {
  namespace text = names::discButtons;
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (auto [button, entry] : {std::pair{&c.create, text::create}, {&c.rename, text::rename}, {&c.open, text::open},
                               {&c.deleteDisc, text::deleteDisc}, {&c.deleteMany, text::deleteMany},
                               {&c.undoList, text::undoList}})
    row->addWidget(*button = ui::panelButton(box, entry));

  c.fixFrame = ui::frame(box, text::fixFrame);
  auto* fixRow = new QHBoxLayout(c.fixFrame);
  fixRow->setContentsMargins(4, 0, 4, 2);
  fixRow->addWidget(c.fix = ui::panelButton(c.fixFrame, text::fix));
  row->addWidget(c.fixFrame);

  c.updateXFiles = ui::label(box, text::updateXFiles);
  c.updateXFiles->setFrameStyle(QFrame::Panel | QFrame::Raised);
  c.updateXFiles->setAutoFillBackground(true);
  c.updateXFiles->setMargin(3);
  c.updateXFiles->setFocusPolicy(Qt::StrongFocus);  // acts as a button: reached by Tab
  row->addWidget(c.updateXFiles);
  row->addWidget(c.split = ui::label(box, text::split));
  c.split->setFocusPolicy(Qt::StrongFocus);
  row->addStretch();
  return box;
}

}  // namespace quilmo::groups
