#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "widgets/XCommandLUP.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* discName(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::label(box, names::discName::label));

  // TeXBack is the label behind the disc list; it carries the list's hint.
  auto* back = ui::label(box, names::discName::back);
  back->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* inside = new QHBoxLayout(back);
  inside->setContentsMargins(2, 2, 2, 2);
  QComboBox* TeX = ui::combo(back, names::discName::discList, {});
  TeX->lineEdit()->setPlaceholderText(names::discName::discList.captionText());
  TeX->setMinimumContentsLength(30);
  TeX->setMaxVisibleItems(20);
  // Only a pick from the drop-down opens a disc: Qt would also report the typed text as
  // picked when it names a listed disc and the edit line loses the focus (as when MsG asks
  // "Name Set" about the disc just added), and the creation would load it midway.
  QObject::disconnect(TeX->lineEdit(), &QLineEdit::editingFinished, TeX, nullptr);
  inside->addWidget(TeX);
  row->addWidget(back, 1);

  auto* NDc = new XCommandLUP(box);
  ui::describe(NDc, names::discName::nextDisc);
  NDc->setCaption(names::discName::nextDisc.captionText());
  NDc->setToolTipText(names::discName::nextDisc.tooltipText());
  row->addWidget(NDc);

  QLabel* DTel = ui::label(box, names::discName::discCount);
  DTel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  DTel->setMinimumWidth(60);
  DTel->setAlignment(Qt::AlignCenter);
  row->addWidget(DTel);
  return box;
}

}  // namespace quilmo::groups
