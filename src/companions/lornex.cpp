// lornex [--long] CATALOGUE: shows one catalogue file, read-only, with its line count and
// a find box; --long with each file's size and time from the disc's facts.
#include <QApplication>
#include <cstdio>

#include "companions/LornexWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments = app.arguments().mid(1);
  const bool sizesAndDates = !arguments.isEmpty() && arguments.first() == QStringLiteral("--long");
  if (sizesAndDates) arguments.removeFirst();
  // The main window passes the path unquoted, so a path with blanks may arrive in pieces.
  const QString path = arguments.join(u' ');
  if (path.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(quilmo::companions::LornexWindow::usage()));
  quilmo::companions::LornexWindow window(path, sizesAndDates);
  window.show();
  const int status = app.exec();
  return path.isEmpty() ? 2 : status;
}
