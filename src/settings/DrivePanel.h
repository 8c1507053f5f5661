#pragma once
// The CD/DVD drive on the main window: DefDrive (and its caption panel DefDrivePan) opens
// SellDPan, whose quick buttons SellD(0..3) choose a drive for this run and, on a right
// click, take a new letter that is kept; KlaaR closes it. "Refresh Drive Info" re-reads
// the browse area; "Set CD/DVD" opens the default-drive panel WDrive.
#include <QObject>
#include <functional>

class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class DrivePanel : public QObject {
  Q_OBJECT
 public:
  // Binds the controls and gives SellD(0..3) their stored letters.
  explicit DrivePanel(PanelServices& services);

  // GCom(5) and GCom(6), bound by the window's GCom dispatcher, which restores LaB's colour first.
  void refreshDriveInfo();
  void setCdDvd();

 Q_SIGNALS:
  // The browse area is to be read again (BrowsePanel::refreshDriveInfo).
  void browseAreaRefreshRequested();

 private:
  void chooseQuickDrive(int index);
  void askQuickDrive(int index);
  void showDrive(const QString& letter);

  PanelServices& services_;
  QWidget* quickPanel_;  // SellDPan
};

DrivePanel* attachDrivePanel(PanelServices& services);

// "Set CD/DVD" without the status colour: SScLys gets the letters D to Z, Label3 the
// instructions, "OLD Drive" the drive in use, and WDrive is shown. Also used when a step
// needs the drive and none is set.
void showDriveChoice(PanelServices& services);

}  // namespace quilmo::panels
