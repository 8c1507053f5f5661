#pragma once
// The label Sundra hands the catalogue of the disc in TeX to the companion program
// sundra, which splits it into the per-type catalogues of the split-file search. The
// companion runs on its own; the window does not wait for it.
#include <QObject>
#include <QString>

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class SplitLauncher : public QObject {
  Q_OBJECT
 public:
  explicit SplitLauncher(PanelServices& services);

  // Where sundra lies: the program's own folder (tests point it elsewhere).
  QString programFolder;

  void launch();

 private:
  void say(const QString& text);

  PanelServices& services_;
};

// Binds the label Sundra; the launcher is the window's child.
SplitLauncher* attachSplitLauncher(PanelServices& services);

}  // namespace quilmo::panels
