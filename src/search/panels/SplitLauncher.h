#pragma once
// The label Sundra hands the catalogue of the disc in TeX to the companion program
// sundra, which splits it into the per-type catalogues of the split-file search. The
// window goes on while the companion runs and says in the status line when it has
// finished and how many type files the disc has now.
#include <QObject>
#include <QString>

class QProcess;

namespace quilmo {
class PanelServices;
}

namespace quilmo::panels {

class SplitLauncher : public QObject {
  Q_OBJECT
 public:
  explicit SplitLauncher(PanelServices& services);
  // Lets a running split finish: killed halfway, the per-type files would lack the disc.
  ~SplitLauncher() override;

  // Where sundra lies: the program's own folder (tests point it elsewhere).
  QString programFolder;

  void launch();

 Q_SIGNALS:
  void finished();  // the status line tells how the split ended

 private:
  void report(const QString& disc, int exitCode);
  void say(const QString& text);

  PanelServices& services_;
  QProcess* running_ = nullptr;
};

// Binds the label Sundra; the launcher is the window's child.
SplitLauncher* attachSplitLauncher(PanelServices& services);

}  // namespace quilmo::panels
