#pragma once
// "Update X-Files": the label Label4 opens the frame UpXFiles, whose list XFile offers the
// catalogues of the older layout; XCom(0) "Go!" strips their obsolete lines, XCom(1)
// hides the frame.
#include <QObject>

class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class XFilesPanel : public QObject {
  Q_OBJECT
 public:
  explicit XFilesPanel(PanelServices& services);

 private:
  void open();
  void update();

  PanelServices& services_;
  QWidget* frame_;     // UpXFiles
  QListWidget* files_; // XFile
};

// Binds Label4, UpXFiles, XFile and XCom; the panel is the window's child.
XFilesPanel* attachXFiles(PanelServices& services);

}  // namespace quilmo::panels
