#include "shell/Wiring.h"

#include <QAbstractButton>

#include "controls/CatalogueView.h"
#include "library/MaintenancePanel.h"
#include "library/XFilesPanel.h"
#include "settings/DataPathWindow.h"
#include "settings/DefaultDrivePanel.h"
#include "settings/PriorityPanel.h"
#include "shell/Quilmo.h"

namespace quilmo {

namespace {

// "Data Path" (SoekCom(12)) opens the data-path chooser SetDPad modally.
void attachDataPath(Quilmo& window) {
  QObject::connect(window.control<QAbstractButton>(QStringLiteral("SoekCom(12)")), &QAbstractButton::clicked, &window,
                   [&window] {
                     panels::DataPathWindow chooser(window.values(), window.programSettings(), window.drives(),
                                                    window.dialogs(), &window);
                     chooser.exec();
                   });
}

}  // namespace

void attachSubsystems(Quilmo& window) {
  attachPriority(window);
  attachDataPath(window);
  panels::attachDefaultDrive(window);
  panels::attachXFiles(window);
  panels::MaintenancePanel* maintenance = panels::attachMaintenance(window);
  maintenance->clearView = [&window] { window.view()->clear(); };
  QObject::connect(window.control<QAbstractButton>(QStringLiteral("UndoList")), &QAbstractButton::clicked, maintenance,
                   &panels::MaintenancePanel::undoLastListChange);
}

}  // namespace quilmo
