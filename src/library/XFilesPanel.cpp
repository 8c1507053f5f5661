#include "library/XFilesPanel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/XFileUpdater.h"
#include "platform/Dialogs.h"
#include "platform/Yield.h"
#include "search/IndexKeeper.h"

namespace quilmo::panels {

namespace {
const QString kTitle = QStringLiteral("Update old files");
}

XFilesPanel::XFilesPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      frame_(services.controls().maintenance.updateFrame),
      files_(services.controls().maintenance.oldFiles) {
  files_->setSelectionMode(QAbstractItemView::MultiSelection);
  onClick(services_.controls().discButtons.updateXFiles, [this] { open(); });
  connect(services_.controls().maintenance.update, &QAbstractButton::clicked, this,
          [this] { update(); });
  connect(services_.controls().maintenance.closeUpdate, &QAbstractButton::clicked, frame_,
          &QWidget::hide);
}

void XFilesPanel::open() {
  files_->clear();
  // Catalogues of the current layout are left out: the tool would empty them.
  files_->addItems(library::oldLayoutCatalogues(services_.values().dataPath));
  const bool none = files_->count() == 0;
  files_->setVisible(!none);
  services_.controls().maintenance.noOldFiles->setVisible(none);
  services_.controls().maintenance.update->setEnabled(!none);
  frame_->show();
  frame_->raise();
}

void XFilesPanel::update() {
  services_.restoreStatusColour();
  const library::XFileRun run =
      library::updateXFiles(services_.values().dataPath, markedEntriesOf(*files_), [this](const library::XFileCount& count) {
        services_.setStatus(library::xFileProgressText(count));
        services_.yielder().now(YieldKind::Always);
      });
  if (!run.files.isEmpty()) services_.indexKeeper().request(services_.values().dataPath);
  services_.setStatus(library::xFilesFinishedText(run.totalDropped));
  const QChar lf = kLineBreak;
  if (!run.refusals.isEmpty()) services_.dialogs().message(kTitle, run.refusals.join(lf));
  for (const library::StepError& error : run.errors)
    services_.dialogs().message(kTitle, QStringLiteral("XCom_click(0)-(%1)").arg(error.number) + lf + error.text);
}

XFilesPanel* attachXFiles(PanelServices& services) { return new XFilesPanel(services); }

}  // namespace quilmo::panels
