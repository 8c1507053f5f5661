#include "platform/Yield.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

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

void Yielder::at(YieldKind kind) {
  if (!yieldsAt(kind, prioLevel_) || clock_.elapsed() < kThrottleMs) return;
  QCoreApplication::processEvents();
  clock_.restart();
}

void Yielder::now(YieldKind kind) {
  if (!yieldsAt(kind, prioLevel_)) return;
  QCoreApplication::processEvents();
  clock_.restart();
}

void Yielder::waitUntil(const std::function<bool()>& done) {
  // A periodic wake-up lets the condition be seen even when it changes without an event.
  QTimer wake;
  wake.start(50);
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace quilmo
