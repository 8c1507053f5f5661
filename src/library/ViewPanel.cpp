#include "library/ViewPanel.h"

#include <QAbstractButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"

namespace quilmo::panels {

namespace {
enum FindButton { kFind = 2, kFindNext = 3 };
}

ViewPanel::ViewPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      rowLabel_(control<QWidget>(services.window(), QStringLiteral("LinkTel"))) {
  for (int index = 0; index < 2; ++index)
    onActivated(control<QWidget>(services.window(), arrayName(QStringLiteral("RTXw"), index)), [this, index] {
      Q_EMIT widthChosen(index == 0);
    });
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
  const int button = key == Qt::Key_F3 ? kFind : key == Qt::Key_F4 ? kFindNext : -1;
  if (button >= 0) control<QAbstractButton>(services_.window(), arrayName(QStringLiteral("GCom"), button))->click();
}

void ViewPanel::showRow() {
  if (caretLine) setCaption(rowLabel_, QString::number(caretLine() + 1));
}

ViewPanel* attachView(PanelServices& services) { return new ViewPanel(services); }

}  // namespace quilmo::panels
