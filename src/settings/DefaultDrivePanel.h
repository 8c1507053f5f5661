#pragma once
// The buttons of the default-drive panel WDrive: WCom(0) "Continue" makes the letter
// marked in SScLys the default CD/DVD drive; WCom(1) "Cancel" and WCom(2) "FiX" only
// close the panel. FiX sits beside the disc buttons, where the panel is mostly closed, so
// there it says how a new drive is set instead of doing nothing visible.
#include <QObject>

class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class DefaultDrivePanel : public QObject {
  Q_OBJECT
 public:
  explicit DefaultDrivePanel(PanelServices& services);

 private:
  void confirm();
  void close();
  void fix();

  PanelServices& services_;
  QWidget* panel_;          // WDrive
  QListWidget* letters_;    // SScLys
};

// Binds WCom(0..2); the panel is the window's child.
DefaultDrivePanel* attachDefaultDrive(PanelServices& services);

}  // namespace quilmo::panels
