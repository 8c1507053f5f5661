#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/Controls.h"
#include "kit/Overlays.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

void maintenancePanels(Overlays& overlays) {
  QGroupBox* DmD = ui::frame(nullptr, QStringLiteral("DmD"), QStringLiteral(" DANGER: Delete many discs at once"));
  auto* many = new QVBoxLayout(DmD);
  QListWidget* DmDLys = ui::list(DmD, QStringLiteral("DmDLys"), QString(), true, QStringLiteral("Select discs to be DELETED"));
  DmDLys->setMinimumSize(280, 260);
  many->addWidget(DmDLys);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ui::panelButton(DmD, QStringLiteral("SSPanel1(7)"), QStringLiteral("DELETE SELECTED DISCS"),
                                     QStringLiteral("DELETE the selected discs and close this box")));
  buttons->addWidget(ui::panelButton(DmD, QStringLiteral("SSPanel1(6)"), QStringLiteral("X"), QStringLiteral("Close this box")));
  many->addLayout(buttons);
  overlays.add(DmD, Overlays::Anchor::TopLeft);

  QGroupBox* UpXFiles = ui::frame(nullptr, QStringLiteral("UpXFiles"), QStringLiteral("Update old files"));
  auto* update = new QVBoxLayout(UpXFiles);
  QListWidget* XFile = ui::list(UpXFiles, QStringLiteral("XFile"), QStringLiteral("*.rtf"), true);
  XFile->setMinimumSize(260, 220);
  update->addWidget(XFile);
  auto* row = new QHBoxLayout;
  row->addWidget(ui::panelButton(UpXFiles, QStringLiteral("XCom(0)"), QStringLiteral("Go!")));
  QPushButton* close = ui::panelButton(UpXFiles, QStringLiteral("XCom(1)"), QStringLiteral("X"), {}, QStringLiteral("Close"));
  close->setAccessibleName(QStringLiteral("Close"));
  row->addWidget(close);
  update->addLayout(row);
  overlays.add(UpXFiles, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
