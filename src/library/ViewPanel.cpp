#include "library/ViewPanel.h"

#include <QPushButton>
#include <QLabel>
#include <QAbstractButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"

namespace quilmo::panels {

ViewPanel::ViewPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      rowLabel_(services.controls().viewBar.row) {
  onActivated(services.controls().viewBar.wide, [this] { Q_EMIT widthChosen(true); });
  onActivated(services.controls().viewBar.narrow, [this] { Q_EMIT widthChosen(false); });
}

void ViewPanel::clicked() {
  if (caretPosition) services_.values().viewCaret = caretPosition();
}

void ViewPanel::doubleClicked() {
  services_.restoreStatusColour();
  services_.setStatus(selectedText ? selectedText() : QString());
  showRow();
}

void ViewPanel::selectionChanged() { showRow(); }

void ViewPanel::functionKeyPressed(int key) {
  if (key == Qt::Key_F3 || key == Qt::Key_F4)
    (key == Qt::Key_F3 ? services_.controls().find.findFirst : services_.controls().find.findNext)->click();
}

void ViewPanel::showRow() {
  if (caretLine) setCaption(rowLabel_, QString::number(caretLine() + 1));
}

ViewPanel* attachView(PanelServices& services) { return new ViewPanel(services); }

}  // namespace quilmo::panels
