// lornex CATALOGUE: shows one catalogue file, read-only, with its line count and a find box.
#include <QApplication>
#include <cstdio>

#include "companions/LornexWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The main window passes the path unquoted, so a path with blanks may arrive in pieces.
  const QString path = app.arguments().mid(1).join(u' ');
  if (path.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(quilmo::companions::LornexWindow::usage()));
  quilmo::companions::LornexWindow window(path);
  window.show();
  const int status = app.exec();
  return path.isEmpty() ? 2 : status;
}
