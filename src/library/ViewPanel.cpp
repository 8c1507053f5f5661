#include "library/ViewPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

ViewPanel::ViewPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      view_(services.controls().viewBar.view),
      rowLabel_(services.controls().viewBar.row) {
  onActivated(services.controls().viewBar.wide, [this] { Q_EMIT widthChosen(true); });
  onActivated(services.controls().viewBar.narrow, [this] { Q_EMIT widthChosen(false); });
}

void ViewPanel::clicked() {
  services_.values().viewCaret = view_->caretPosition();
}

void ViewPanel::doubleClicked() {
  services_.restoreStatusColour();
  services_.setStatus(view_->selectedText());
  showRow();
}

void ViewPanel::selectionChanged() { showRow(); }

void ViewPanel::functionKeyPressed(int key) {
  if (key == Qt::Key_F3 || key == Qt::Key_F4)
    (key == Qt::Key_F3 ? services_.controls().find.findFirst : services_.controls().find.findNext)->click();
}

void ViewPanel::showRow() {
  rowLabel_->setText(QString::number(view_->lineOfPosition(view_->caretPosition()) + 1));
}

ViewPanel* attachView(PanelServices& services) { return new ViewPanel(services); }

}  // namespace quilmo::panels
