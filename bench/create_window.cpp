// The window's creation of a disc, timed from CREATE to "Finished.", in the real main
// window without a screen: the same code the program runs.
//   create_window TREE DATA APP     (TREE is mapped as drive E; the disc is "bench")
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "capture/DiscCreation.h"
#include "shell/Quilmo.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: create_window TREE DATA APP\n");
    return 2;
  }
  qputenv("QUILMO_APP_FOLDER", QByteArray(argv[3]) + '/');
  QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
  quilmo::Quilmo window;
  window.start({});
  window.drives().overrideForRun(u'E', QString::fromLocal8Bit(argv[1]));
  window.values().discDrive = QStringLiteral("E");
  window.controls().discName.discList->setEditText(QStringLiteral("bench"));

  // A zero timer runs once per turn of the event loop: how often the window could repaint.
  int turns = 0;
  QTimer tick;
  tick.setInterval(0);
  QObject::connect(&tick, &QTimer::timeout, [&turns] { turns += quilmo::capture::DiscCreation::isRunning(); });
  tick.start();

  QElapsedTimer clock;
  // The counts join the caption once the catalogue is in place, before the view loads it.
  qint64 walked = 0;
  QObject::connect(&window, &QWidget::windowTitleChanged, [&](const QString& title) {
    if (title.contains(QStringLiteral(" Dir:"))) walked = clock.elapsed();
  });
  clock.start();
  window.controls().discButtons.create->click();  // CREATE
  const qint64 ms = clock.elapsed();
  const QString status = window.controls().status.line->text();
  std::printf("window creation %lld ms (walk and catalogue %lld ms, then the view), %d event-loop turns during "
              "the walk, files %s, status \"%s\"\n",
              static_cast<long long>(ms), static_cast<long long>(walked), turns,
              qPrintable(window.controls().viewBar.files->text()), qPrintable(status));
  return status == QStringLiteral("Finished.") ? 0 : 1;
}
