#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/Overlays.h"
#include "kit/WidgetFactory.h"
#include "shell/groups/Groups.h"

namespace quilmo::groups {

using namespace names::maintenance;

void maintenancePanels(Overlays& overlays, MaintenanceControls& c) {
  QGroupBox* DmD = c.deleteFrame = ui::frame(nullptr, deleteFrame);
  auto* many = new QVBoxLayout(DmD);
  QListWidget* DmDLys = c.deleteList = ui::list(DmD, deleteList, {}, true);
  DmDLys->setMinimumSize(280, 260);
  many->addWidget(DmDLys);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(c.deleteSelected = ui::panelButton(DmD, deleteSelected));
  buttons->addWidget(c.closeDelete = ui::panelButton(DmD, closeDelete));
  many->addLayout(buttons);
  overlays.add(DmD, Overlays::Anchor::TopLeft);

  QGroupBox* UpXFiles = c.updateFrame = ui::frame(nullptr, updateFrame);
  auto* column = new QVBoxLayout(UpXFiles);
  QListWidget* XFile = c.oldFiles = ui::list(UpXFiles, oldFiles, QStringLiteral("*.rtf"), true);
  XFile->setMinimumSize(260, 220);
  column->addWidget(XFile);
  QLabel* note = c.noOldFiles = ui::label(UpXFiles, noOldFiles);
  note->setWordWrap(true);
  note->setMaximumWidth(XFile->minimumWidth());
  column->addWidget(note);
  auto* row = new QHBoxLayout;
  row->addWidget(c.update = ui::panelButton(UpXFiles, update));
  QPushButton* close = c.closeUpdate = ui::panelButton(UpXFiles, closeUpdate);
  row->addWidget(close);
  column->addLayout(row);
  overlays.add(UpXFiles, Overlays::Anchor::Center);
}

}  // namespace quilmo::groups
