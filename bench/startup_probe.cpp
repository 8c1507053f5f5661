// Starts the real window and prints, as milliseconds since the epoch, the moment its first
// frame is exposed on the screen; then quits. bench/startup.sh subtracts the moment the
// process was launched.
#include <QApplication>
#include <QDateTime>
#include <QWindow>
#include <cstdio>

#include "shell/Quilmo.h"

namespace {

class FirstExpose : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && !seen_) {
      seen_ = true;
      std::printf("%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
      std::fflush(stdout);
      QCoreApplication::exit(0);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quilmo::Quilmo window;
  window.start({});
  FirstExpose watch;
  window.windowHandle()->installEventFilter(&watch);
  return app.exec();
}
