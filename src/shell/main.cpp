// quilmo: the window program.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "platform/TerminationSignal.h"
#include "shell/Quilmo.h"

int main(int argc, char** argv) {
  // Answered before QApplication, which needs a display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("quilmo %s\n", QUILMO_VERSION);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::printf("usage: quilmo [DRIVE]\n"
                "Starts the Quilmo window; DRIVE (a letter such as E) is the drive the file list shows.\n"
                "The data folder is the stored one, else the current folder. See quilmo(1).\n");
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quilmo"));
  QApplication::setApplicationVersion(QStringLiteral(QUILMO_VERSION));
  quilmo::Quilmo window;
  quilmo::onTerminationSignal(&window, [&window] { window.close(); });
  window.start(QApplication::arguments().mid(1));
  return app.exec();
}
