#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "kit/Controls.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

namespace {
const QString kSSPanel1 = QStringLiteral("SSPanel1");
}

QWidget* discButtons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(ui::panelButton(box, QStringLiteral("GCom(7)"), QStringLiteral("CREATE")));
  row->addWidget(ui::panelButton(box, panels::arrayName(kSSPanel1, 1), QStringLiteral("F5"),
                                 QStringLiteral("Press F5 to setfocus on the list/ Click to RENAME current disc")));
  row->addWidget(ui::panelButton(box, panels::arrayName(kSSPanel1, 2), QStringLiteral("OPEN"), QStringLiteral("Open Selected disc")));
  row->addWidget(ui::panelButton(box, panels::arrayName(kSSPanel1, 3), QStringLiteral("Delete Disc"),
                                 QStringLiteral("DELETE selected disc")));
  row->addWidget(ui::panelButton(box, panels::arrayName(kSSPanel1, 5), QStringLiteral("Delete Many Discs"),
                                 QStringLiteral("DELETE multiple discs")));

  // Puts the disc list back as it was before its last rename or delete (Qm.Tex.Bak).
  row->addWidget(ui::panelButton(box, QStringLiteral("UndoList"), QStringLiteral("Undo List"),
                                 QStringLiteral("Put the disc list back as it was before the last rename or delete")));

  QGroupBox* FiXPan = ui::frame(box, QStringLiteral("FiXPan"), QStringLiteral("FiX INFO"));
  auto* fix = new QHBoxLayout(FiXPan);
  fix->setContentsMargins(4, 0, 4, 2);
  fix->addWidget(ui::panelButton(
      FiXPan, QStringLiteral("WCom(2)"), QStringLiteral("FiX"),
      QStringLiteral("Set a NEW Drive? FiX the OLD drive info with the NEW !   (Within ALL the current Disc Files)")));
  row->addWidget(FiXPan);

  QLabel* Label4 = ui::label(box, QStringLiteral("Label4"), QStringLiteral("Update X-Files"));
  Label4->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Label4->setAutoFillBackground(true);
  Label4->setMargin(3);
  row->addWidget(Label4);
  row->addWidget(ui::label(box, QStringLiteral("Sundra"), QStringLiteral("Label8"), {},
                           QStringLiteral("Split current disc in seperate files")));
  row->addStretch();
  return box;
}

}  // namespace quilmo::groups
