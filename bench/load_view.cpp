// Loads a catalogue into the catalogue view and reports how long it takes until the view
// has painted it, then how long a find from the top takes.
//   load_view CATALOGUE [WORD]
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <cstdio>

#include "widgets/CatalogueView.h"

namespace {

// Runs the event loop until the view's surface has been painted once more.
class PaintWait : public QObject {
 public:
  explicit PaintWait(QWidget* surface) : surface_(surface) { surface->installEventFilter(this); }
  void run() {
    painted_ = false;
    while (!painted_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == surface_ && event->type() == QEvent::Paint) painted_ = true;
    return false;
  }

 private:
  QWidget* surface_;
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: load_view CATALOGUE [WORD]\n");
    return 2;
  }
  quilmo::CatalogueView view;
  view.resize(1000, 700);
  PaintWait paint(view.viewport());
  view.show();
  paint.run();  // the window exists before the user picks a disc

  QElapsedTimer clock;
  clock.start();
  QString error;
  if (!view.loadFile(QString::fromLocal8Bit(argv[1]), &error)) {
    std::fprintf(stderr, "load_view: %s\n", qPrintable(error));
    return 1;
  }
  view.viewport()->update();
  paint.run();
  const double loadMs = clock.nsecsElapsed() / 1e6;
  std::printf("lines %lld load+paint %.1f ms\n", view.lineCount(), loadMs);

  if (argc > 2) {
    clock.restart();
    const qint64 hit = view.find(QString::fromLocal8Bit(argv[2]), 0);
    if (hit >= 0) paint.run();  // a miss changes nothing on screen
    const double findMs = clock.nsecsElapsed() / 1e6;
    std::printf("find %.1f ms at line %lld\n", findMs, hit < 0 ? -1 : view.lineOfPosition(hit) + 1);
  }
  return 0;
}
