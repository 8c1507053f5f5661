#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/WidgetFactory.h"
#include "kit/Overlays.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::maintenance;

void maintenancePanels(Overlays& overlays) {
  QGroupBox* DmD = ui::frame(nullptr, deleteFrame);
  auto* many = new QVBoxLayout(DmD);
  QListWidget* DmDLys = ui::list(DmD, deleteList, {}, true);
  DmDLys->setMinimumSize(280, 260);
  many->addWidget(DmDLys);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ui::panelButton(DmD, deleteSelected));
  buttons->addWidget(ui::panelButton(DmD, closeDelete));
  many->addLayout(buttons);
  overlays.add(DmD, Overlays::Anchor::TopLeft);

  QGroupBox* UpXFiles = ui::frame(nullptr, updateFrame);
  auto* column = new QVBoxLayout(UpXFiles);
  QListWidget* XFile = ui::list(UpXFiles, oldFiles, QStringLiteral("*.rtf"), true);
  XFile->setMinimumSize(260, 220);
  column->addWidget(XFile);
  auto* row = new QHBoxLayout;
  row->addWidget(ui::panelButton(UpXFiles, update));
  QPushButton* close = ui::panelButton(UpXFiles, closeUpdate);
  close->setAccessibleName(closeUpdate.tooltipText());
  row->addWidget(close);
  column->addLayout(row);
  overlays.add(UpXFiles, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
