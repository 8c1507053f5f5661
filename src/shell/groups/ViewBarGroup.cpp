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

QWidget* viewBar(QWidget* parent) {
  using namespace names::viewBar;
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const names::ControlText& width : {wide, narrow}) {
    QPushButton* b = ui::panelButton(box, width);
    b->setAccessibleName(width.tooltipText());
    b->setFixedWidth(28);
    row->addWidget(b);
  }
  row->addSpacing(12);
  row->addWidget(ui::label(box, rowLabel));
  row->addWidget(counter(box, names::viewBar::row));
  row->addStretch();
  row->addWidget(ui::label(box, folderLabel));
  row->addWidget(counter(box, folders));
  row->addWidget(ui::label(box, fileLabel));
  row->addWidget(counter(box, files));
  return box;
}

}  // namespace quilmo::groups
