#include "settings/DefaultDrivePanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "settings/DefaultDrive.h"

namespace quilmo::panels {

DefaultDrivePanel::DefaultDrivePanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      panel_(services.controls().drive.choiceFrame),
      letters_(services.controls().drive.letters) {
  onActivated(services.controls().drive.proceed, [this] { confirm(); });
  onActivated(services.controls().drive.cancel, [this] { close(); });
  onActivated(services.controls().discButtons.fix, [this] { fix(); });
}

void DefaultDrivePanel::confirm() {
  const QListWidgetItem* marked = letters_->currentItem();
  if (!marked || !marked->isSelected()) {
    // The panel stays open: the window may be waiting for a drive.
    services_.dialogs().message(QStringLiteral("Quilmo"),
                                QStringLiteral("Select the letter of the CD/DVD drive in the list first."));
    return;
  }
  ProgramValues& values = services_.values();
  const int discCount = services_.controls().discName.discList->count();
  const settings::DriveConfirmation confirmation = settings::confirmDefaultDrive(
      values.appFolder, services_.programSettings(), values.discDrive, marked->text(), discCount);
  if (confirmation.error.number)
    services_.dialogs().message(QStringLiteral("Quilmo"),
                                QStringLiteral("The default drive could not be saved:") + kLineBreak + confirmation.error.text);
  // With no drive set before there is nothing to fix: the run takes the new letter at
  // once, or a wait for the drive (wagter) would end with still no drive to use.
  if (values.discDrive.isEmpty() ||
      (confirmation.askToFix && services_.dialogs().yesNo(confirmation.title, confirmation.question) == Answer::Yes))
    values.discDrive = marked->text();
  setCaption(services_.controls().drive.defaultDrive, values.discDrive);
  close();
}

void DefaultDrivePanel::close() {
  panel_->hide();
}

void DefaultDrivePanel::fix() {
  if (panel_->isVisible()) return close();
  services_.setStatus(QStringLiteral("FiX: to set a NEW drive, press \"Set CD/DVD\", mark the drive and press "
                                     "\"Continue\"; it then offers to FiX the drive info of ALL the current discs."));
}

DefaultDrivePanel* attachDefaultDrive(PanelServices& services) { return new DefaultDrivePanel(services); }

}  // namespace quilmo::panels
