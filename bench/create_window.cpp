// The window's creation of a disc, timed from Enter to "Finished.", over the stand-in
// window of the panel tests: the same panel code the program runs, without a screen.
//   create_window TREE DATA APP     (TREE is mapped as drive E; the disc is "bench")
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <cstdio>

#include "capture/CreationPanel.h"
#include "capture/DiscCreation.h"
#include "support/FakeWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: create_window TREE DATA APP\n");
    return 2;
  }
  quilmo::test::FakeWindow window(QString::fromLocal8Bit(argv[2]) + u'/', QString::fromLocal8Bit(argv[3]) + u'/');
  window.drives().overrideForRun(u'E', QString::fromLocal8Bit(argv[1]));
  window.values().discDrive = QStringLiteral("E");
  quilmo::panels::CreationPanel* panel = quilmo::panels::attachCreation(window);
  window.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QStringLiteral("bench"));

  // A zero timer runs once per turn of the event loop: how often the window could repaint.
  int turns = 0;
  QTimer tick;
  tick.setInterval(0);
  QObject::connect(&tick, &QTimer::timeout, [&turns] { turns += quilmo::DiscCreation::isRunning(); });
  tick.start();

  QElapsedTimer clock;
  // The counts join the caption once the catalogue is in place, before the view loads it.
  qint64 walked = 0;
  QObject::connect(window.window(), &QWidget::windowTitleChanged, [&](const QString& title) {
    if (title.contains(QStringLiteral(" Dir:"))) walked = clock.elapsed();
  });
  clock.start();
  panel->nameStep();
  const qint64 ms = clock.elapsed();
  std::printf("window creation %lld ms (walk and catalogue %lld ms, then the view), %d event-loop turns during "
              "the walk, files %s, status \"%s\"\n",
              static_cast<long long>(ms), static_cast<long long>(walked), turns,
              qPrintable(window.get<QLabel>(QStringLiteral("FileLab"))->text()),
              qPrintable(window.get<QLabel>(QStringLiteral("LaB"))->text()));
  return window.get<QLabel>(QStringLiteral("LaB"))->text() == QStringLiteral("Finished.") ? 0 : 1;
}
