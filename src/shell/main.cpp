// quilmo: the window program.
#include <QApplication>

#include "shell/Quilmo.h"
#include "shell/TerminationSignal.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quilmo"));
  QApplication::setApplicationVersion(QStringLiteral(QUILMO_VERSION));
  quilmo::Quilmo window;
  quilmo::closeOnTerminationSignal(&window);
  window.start(QApplication::arguments().mid(1));
  return app.exec();
}
