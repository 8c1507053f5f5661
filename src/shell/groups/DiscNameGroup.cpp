#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"
#include "widgets/XCommandLUP.h"

namespace quilmo::groups {

QWidget* discName(QWidget* parent, DiscNameControls& c) {
  namespace text = names::discName;
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(c.label = ui::label(box, text::label));

  // TeXBack is the label behind the disc list; it carries the list's hint.
  c.back = ui::label(box, text::back);
  c.back->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* inside = new QHBoxLayout(c.back);
  inside->setContentsMargins(2, 2, 2, 2);
  c.discList = ui::combo(c.back, text::discList, {});
  c.discList->lineEdit()->setPlaceholderText(text::discList.captionText());
  c.discList->setMinimumContentsLength(30);
  c.discList->setMaxVisibleItems(20);
  inside->addWidget(c.discList);
  row->addWidget(c.back, 1);

  c.nextDisc = new XCommandLUP(box);
  ui::describe(c.nextDisc, text::nextDisc);
  c.nextDisc->setCaption(text::nextDisc.captionText());
  c.nextDisc->setToolTipText(text::nextDisc.tooltipText());
  row->addWidget(c.nextDisc);

  c.discCount = ui::label(box, text::discCount);
  c.discCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  c.discCount->setMinimumWidth(60);
  c.discCount->setAlignment(Qt::AlignCenter);
  row->addWidget(c.discCount);
  return box;
}

}  // namespace quilmo::groups
