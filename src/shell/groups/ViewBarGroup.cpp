#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {

QLabel* counter(QWidget* parent, const names::ControlText& text) {
  QLabel* l = ui::label(parent, text);
  l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  l->setMinimumWidth(70);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

}  // namespace

QWidget* viewBar(QWidget* parent, ViewBarControls& c) {
  namespace text = names::viewBar;
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (auto [button, entry] : {std::pair{&c.wide, text::wide}, {&c.narrow, text::narrow}}) {
    *button = ui::panelButton(box, entry);
    (*button)->setFixedWidth(28);
    row->addWidget(*button);
  }
  row->addSpacing(12);
  row->addWidget(c.rowLabel = ui::label(box, text::rowLabel));
  row->addWidget(c.row = counter(box, text::row));
  row->addStretch();
  row->addWidget(ui::label(box, text::folderLabel));
  row->addWidget(c.folders = counter(box, text::folders));
  row->addWidget(ui::label(box, text::fileLabel));
  row->addWidget(c.files = counter(box, text::files));
  return box;
}

}  // namespace quilmo::groups
