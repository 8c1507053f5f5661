#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

QWidget* drive(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(ui::panelButton(box, QStringLiteral("DefDrivePan"), QStringLiteral("  Default Drive:")), 0, 0);
  QPushButton* DefDrive = ui::panelButton(box, QStringLiteral("DefDrive"), QString());
  DefDrive->setAccessibleName(QStringLiteral("Default drive"));
  DefDrive->setFixedWidth(40);
  grid->addWidget(DefDrive, 0, 1);
  grid->addWidget(ui::panelButton(box, QStringLiteral("GCom(5)"), QStringLiteral("Refresh Drive Info"),
                                  QStringLiteral("Rfresh disc info. Make sure it is the correct disc in the drive!")),
                  1, 0, 1, 2);
  grid->addWidget(ui::panelButton(box, QStringLiteral("GCom(6)"), QStringLiteral("Set CD/DVD"),
                                  QStringLiteral("Done only once, unless a new Source drive is selected")),
                  2, 0);
  grid->addWidget(ui::panelButton(box, QStringLiteral("SoekCom(12)"), QStringLiteral("Data Path")), 2, 1);
  grid->setColumnStretch(0, 1);
  return box;
}

void drivePanels(Overlays& overlays) {
  QGroupBox* SellDPan = ui::frame(nullptr, QStringLiteral("SellDPan"), QString());
  SellDPan->setAccessibleName(QStringLiteral("Quick drive buttons"));
  auto* quick = new QHBoxLayout(SellDPan);
  for (int i = 0; i < 4; ++i) {
    QPushButton* SellD = ui::panelButton(SellDPan, panels::arrayName(QStringLiteral("SellD"), i), QString(QChar(72 + i)));
    SellD->setFixedWidth(36);
    quick->addWidget(SellD);
  }
  quick->addWidget(ui::panelButton(SellDPan, QStringLiteral("KlaaR"), QStringLiteral("Ready")));
  overlays.add(SellDPan, Overlays::Anchor::TopLeft);

  QGroupBox* WDrive = ui::frame(nullptr, QStringLiteral("WDrive"), QString());
  WDrive->setAccessibleName(QStringLiteral("Which is the default CD/DVD drive?"));
  auto* grid = new QGridLayout(WDrive);
  grid->addWidget(ui::notice(WDrive, QStringLiteral("SSPanel2(0)"), QStringLiteral("Which is the default CD/DVD drive?")),
                  0, 0, 1, 3);
  QLabel* Label3 = ui::label(WDrive, QStringLiteral("Label3"), QString());
  Label3->setAccessibleName(QStringLiteral("Instructions"));
  Label3->setWordWrap(true);
  Label3->setMinimumWidth(220);
  grid->addWidget(Label3, 1, 0, 2, 1);
  grid->addWidget(ui::label(WDrive, QStringLiteral("Lab4"), QStringLiteral("Select")), 1, 1);
  QListWidget* SScLys = ui::list(WDrive, QStringLiteral("SScLys"), QStringLiteral("Drive letters"));
  SScLys->setFixedWidth(60);
  grid->addWidget(SScLys, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ui::panelButton(WDrive, QStringLiteral("WCom(0)"), QStringLiteral("Continue"),
                                     QStringLiteral("Set the default CD/DVD drive. If not set the program will not work!")));
  buttons->addWidget(ui::panelButton(WDrive, QStringLiteral("WCom(1)"), QStringLiteral("Cancel")));
  grid->addLayout(buttons, 3, 0, 1, 3);
  WDrive->setMinimumSize(340, 260);
  overlays.add(WDrive, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
