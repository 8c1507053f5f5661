#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "controls/XCommandLUP.h"
#include "kit/Controls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* discName(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::label(box, QStringLiteral("Label1"), QStringLiteral("Specify Disc Name and")));

  // TeXBack is the label behind the disc list; it carries the list's hint.
  auto* back = ui::label(box, QStringLiteral("TeXBack"), QString(),
                         QStringLiteral("Type the name of the disc to get data from and enter."));
  back->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* inside = new QHBoxLayout(back);
  inside->setContentsMargins(2, 2, 2, 2);
  const QString prompt = QStringLiteral("Type a name to create or select from the list to open....");
  QComboBox* TeX = ui::combo(back, QStringLiteral("TeX"), prompt);
  TeX->lineEdit()->setPlaceholderText(prompt);
  TeX->setMinimumContentsLength(30);
  TeX->setMaxVisibleItems(20);
  // Only a pick from the drop-down opens a disc: Qt would also report the typed text as
  // picked when it names a listed disc and the edit line loses the focus (as when MsG asks
  // "Name Set" about the disc just added), and the creation would load it midway.
  QObject::disconnect(TeX->lineEdit(), &QLineEdit::editingFinished, TeX, nullptr);
  inside->addWidget(TeX);
  row->addWidget(back, 1);

  auto* NDc = new XCommandLUP(box);
  ui::describe(NDc, QStringLiteral("NDc"), QStringLiteral(">>"), {}, QStringLiteral("NextDisc"));
  NDc->setCaption(QStringLiteral(">>"));
  NDc->setToolTipText(QStringLiteral("NextDisc"));
  row->addWidget(NDc);

  QLabel* DTel = ui::label(box, QStringLiteral("DTel"), QString(), QStringLiteral("How many discs are in the list?"));
  DTel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  DTel->setMinimumWidth(60);
  DTel->setAlignment(Qt::AlignCenter);
  row->addWidget(DTel);
  return box;
}

}  // namespace quilmo::groups
