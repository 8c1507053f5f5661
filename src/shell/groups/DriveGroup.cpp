#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "kit/Overlays.h"
#include "kit/PanelControls.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::drive;

QWidget* drive(QWidget* parent, DriveControls& c) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(c.defaultLabel = ui::panelButton(box, defaultLabel), 0, 0);
  QPushButton* DefDrive = c.defaultDrive = ui::panelButton(box, defaultDrive, QStringLiteral("Default drive"));
  DefDrive->setFixedWidth(40);
  grid->addWidget(DefDrive, 0, 1);
  grid->addWidget(c.refresh = ui::panelButton(box, refresh), 1, 0, 1, 2);
  grid->addWidget(c.setCdDvd = ui::panelButton(box, setCdDvd), 2, 0);
  grid->addWidget(c.dataPath = ui::panelButton(box, dataPath), 2, 1);
  grid->setColumnStretch(0, 1);
  return box;
}

void drivePanels(Overlays& overlays, DriveControls& c) {
  QGroupBox* SellDPan = c.quickFrame = ui::frame(nullptr, quickFrame);
  SellDPan->setAccessibleName(QStringLiteral("Quick drive buttons"));
  auto* quick = new QHBoxLayout(SellDPan);
  for (int i = 0; i < kQuickDrives; ++i) {
    QPushButton* SellD = c.quickDrives[i] = ui::panelButton(SellDPan, quickDrive(i));
    panels::setCaption(SellD, QString(QChar('H' + i)));
    SellD->setFixedWidth(36);
    quick->addWidget(SellD);
  }
  quick->addWidget(c.ready = ui::panelButton(SellDPan, ready));
  overlays.add(SellDPan, Overlays::Anchor::TopLeft);

  QGroupBox* WDrive = c.choiceFrame = ui::frame(nullptr, choiceFrame);
  WDrive->setAccessibleName(question.captionText());
  auto* grid = new QGridLayout(WDrive);
  grid->addWidget(ui::notice(WDrive, question), 0, 0, 1, 3);
  QLabel* Label3 = c.instructions = ui::label(WDrive, instructions, QStringLiteral("Instructions"));
  Label3->setWordWrap(true);
  Label3->setMinimumWidth(220);
  grid->addWidget(Label3, 1, 0, 2, 1);
  grid->addWidget(ui::label(WDrive, selectLabel), 1, 1);
  QListWidget* SScLys = c.letters = ui::list(WDrive, letters, QStringLiteral("Drive letters"));
  SScLys->setFixedWidth(60);
  grid->addWidget(SScLys, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(c.proceed = ui::panelButton(WDrive, proceed));
  buttons->addWidget(c.cancel = ui::panelButton(WDrive, cancel));
  grid->addLayout(buttons, 3, 0, 1, 3);
  WDrive->setMinimumSize(340, 260);
  overlays.add(WDrive, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
