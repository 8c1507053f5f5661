// Test helper: rewrites the disc list and dies, as a power cut would, after a given step.
//   disclist_stopper DATA_FOLDER STEP NAME...
#include <QCoreApplication>
#include <csignal>
#include <cstdlib>

#include "library/DiscListFile.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() < 2) return 2;
  const int stopAfter = args[1].toInt();
  const auto error = quilmo::library::rewriteDiscList(args[0], args.mid(2), [stopAfter](int step) {
    if (step != stopAfter) return;
#ifdef SIGKILL
    std::raise(SIGKILL);
#endif
    std::_Exit(9);
  });
  return error.number == 0 ? 0 : 1;
}
