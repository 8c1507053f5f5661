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
  explicit Yielder(const int& prioLevel);

  // Runs pending events when the kind matches the level; throttled so a loop over a
  // million items does not pay the event loop's cost a million times.
  void at(YieldKind kind);
  // Whether at(kind) would run pending events now: lets a caller bring what it shows up
  // to date just before.
  bool due(YieldKind kind) const;
  // The same as at, without the throttle: for points that come once per user-visible step.
  void now(YieldKind kind);
  // How many times pending events have run. Whatever a caller read from the window stays
  // true until this changes, as only events change the window.
  quint64 turns() const { return turns_; }

  // Blocks in a nested event loop until done() holds; never spins a core.
  static void waitUntil(const std::function<bool()>& done);

  static constexpr int kThrottleMs = 15;

 private:
  void run();

  const int& prioLevel_;
  QElapsedTimer clock_;
  qint64 coarseStartMs_ = 0;
  quint64 turns_ = 0;
};

}  // namespace quilmo
