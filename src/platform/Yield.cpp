#include "platform/Yield.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <ctime>

namespace quilmo {

bool yieldsAt(YieldKind kind, int prioLevel) {
  switch (kind) {
    case YieldKind::Low: return prioLevel == 5;
    case YieldKind::Default: return prioLevel == 3;
    case YieldKind::Both: return prioLevel == 5 || prioLevel == 3;
    case YieldKind::Always: return true;
  }
  return false;
}

namespace {

// A clock that is cheap to read at every yield point of a tight loop, and how far behind
// the precise one it may be. Without one, every check reads the precise clock.
#ifdef CLOCK_MONOTONIC_COARSE
qint64 coarseMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
qint64 coarseTickMs() {
  static const qint64 tick = [] {
    timespec resolution{};
    clock_getres(CLOCK_MONOTONIC_COARSE, &resolution);
    return qint64(resolution.tv_sec) * 1000 + resolution.tv_nsec / 1000000 + 1;
  }();
  return tick;
}
#else
qint64 coarseMs() { return 0; }
qint64 coarseTickMs() { return Yielder::kThrottleMs; }
#endif

}  // namespace

Yielder::Yielder(const int& prioLevel) : prioLevel_(prioLevel), coarseStartMs_(coarseMs()) { clock_.start(); }

bool Yielder::due(YieldKind kind) const {
  if (!yieldsAt(kind, prioLevel_)) return false;
  if (coarseMs() - coarseStartMs_ < kThrottleMs - coarseTickMs()) return false;
  return clock_.elapsed() >= kThrottleMs;
}

void Yielder::at(YieldKind kind) {
  if (due(kind)) run();
}

void Yielder::now(YieldKind kind) {
  if (yieldsAt(kind, prioLevel_)) run();
}

void Yielder::run() {
  QCoreApplication::processEvents();
  clock_.restart();
  coarseStartMs_ = coarseMs();
  ++turns_;
}

void Yielder::waitUntil(const std::function<bool()>& done) {
  // A periodic wake-up lets the condition be seen even when it changes without an event.
  QTimer wake;
  wake.start(50);
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace quilmo
