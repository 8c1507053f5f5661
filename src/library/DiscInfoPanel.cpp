#include "library/DiscInfoPanel.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "kit/ControlTexts.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "library/DiscInView.h"
#include "library/DiscInfoDialog.h"
#include "platform/DataFolder.h"
#include "platform/NameRules.h"

namespace quilmo::panels {

DiscInfoPanel::DiscInfoPanel(PanelServices& services, const DiscInView& inView)
    : QObject(services.window()),
      services_(services),
      inView_(inView),
      discName_(services.controls().discName.discList->lineEdit()),
      action_(new QAction(names::discName::information.captionText(), services.window())) {
  action_->setObjectName(names::discName::information.objectName());
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  services.window()->addAction(action_);
  connect(action_, &QAction::triggered, this, &DiscInfoPanel::open);
  // The edit line takes the right clicks over the list but for its arrow.
  onRightClick(discName_, [this](QPoint at) { showMenu(discName_->mapToGlobal(at)); });
  QComboBox* TeX = services.controls().discName.discList;
  onRightClick(TeX, [this, TeX](QPoint at) { showMenu(TeX->mapToGlobal(at)); });
}

void DiscInfoPanel::open() {
  const QString catalogue = chosenCatalogue();
  if (catalogue.isEmpty()) {
    services_.restoreStatusColour();
    services_.setStatus(QStringLiteral("No disc to show: pick one from the list, or load one into the view, first."));
    return;
  }
  if (shown_) shown_->close();
  shown_ = new DiscInfoDialog(catalogue, services_.values().dataPath, services_.window());
  shown_->show();
  shown_->activateWindow();  // the keys go to its note at once
}

QString DiscInfoPanel::chosenCatalogue() const {
  const QString named = discName_->text();
  // A name that cannot be a disc name must not reach outside the data folder.
  if (!named.isEmpty() && whyNameIsRefused(named).isEmpty()) {
    const QString catalogue = resolveInFolder(services_.values().dataPath, named + QStringLiteral(".rtf"));
    if (QFileInfo(catalogue).isFile()) return catalogue;
  }
  return inView_.cataloguePath();
}

void DiscInfoPanel::showMenu(QPoint at) {
  // The edit line's own entries (undo, cut, copy, paste...) stay, ours comes last.
  QMenu* menu = discName_->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("DiscListMenu"));
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addSeparator();
  menu->addAction(action_);
  menu->popup(at);
}

DiscInfoPanel* attachDiscInfo(PanelServices& services, const DiscInView& inView) {
  return new DiscInfoPanel(services, inView);
}

}  // namespace quilmo::panels
