// quilmo: the window program.
#include <QApplication>

#include "platform/TerminationSignal.h"
#include "shell/Quilmo.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quilmo"));
  QApplication::setApplicationVersion(QStringLiteral(QUILMO_VERSION));
  quilmo::Quilmo window;
  quilmo::onTerminationSignal(&window, [&window] { window.close(); });
  window.start(QApplication::arguments().mid(1));
  return app.exec();
}
