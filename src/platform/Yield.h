#pragma once
// Long loops run on the window thread and let pending window events run at marked points.
// Each point has a kind that is matched against the priority level PrioLevel:
// 5 (low), 3 (default) or 1 (high).
#include <QElapsedTimer>
#include <functional>

namespace quilmo {

enum class YieldKind {
  Low,      // yields only at level 5
  Default,  // yields only at level 3
  Both,     // yields at 5 or 3
  Always,   // whatever the level
};

bool yieldsAt(YieldKind kind, int prioLevel);

class Yielder {
 public:
  explicit Yielder(const int& prioLevel) : prioLevel_(prioLevel) { clock_.start(); }

  // Runs pending events when the kind matches the level; throttled so a loop over a
  // million items does not pay the event loop's cost a million times.
  void at(YieldKind kind);
  // The same, without the throttle: for points that come once per user-visible step.
  void now(YieldKind kind);

  // Blocks in a nested event loop until done() holds; never spins a core.
  static void waitUntil(const std::function<bool()>& done);

  static constexpr int kThrottleMs = 15;

 private:
  const int& prioLevel_;
  QElapsedTimer clock_;
};

}  // namespace quilmo
