#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

#include "platform/Yield.h"

using namespace quilmo;

namespace {

void ensureApplication() {
  static int argc = 1;
  static char name[] = "yield_test";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// Posts one call whenever none is pending; returns how many times pending events ran.
class EventRuns {
 public:
  void post() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [this] {
      pending_ = false;
      ++runs_;
    }, Qt::QueuedConnection);
  }
  int runs() const { return runs_; }
  ~EventRuns() { QCoreApplication::processEvents(); }

 private:
  bool pending_ = false;
  int runs_ = 0;
};

}  // namespace

TEST(Yield, KindsMatchTheLevel) {
  // Level 3 is the default, 5 low, 1 high.
  EXPECT_EQ((std::vector<bool>{yieldsAt(YieldKind::Low, 5), yieldsAt(YieldKind::Low, 3), yieldsAt(YieldKind::Default, 5),
                               yieldsAt(YieldKind::Default, 3), yieldsAt(YieldKind::Both, 5), yieldsAt(YieldKind::Both, 3),
                               yieldsAt(YieldKind::Both, 1), yieldsAt(YieldKind::Always, 1)}),
            (std::vector<bool>{true, false, false, true, true, true, false, true}));
}

TEST(Yield, PointsFollowTheLevelReadWhenTheyAreReached) {
  ensureApplication();
  int prioLevel = 1;
  Yielder yielder(prioLevel);
  EventRuns events;
  events.post();
  yielder.now(YieldKind::Both);
  EXPECT_EQ(events.runs(), 0);  // high priority: the loop keeps the thread
  yielder.now(YieldKind::Always);
  EXPECT_EQ(events.runs(), 1);
  prioLevel = 5;  // the user chose "Low" while the loop runs
  events.post();
  yielder.now(YieldKind::Default);
  EXPECT_EQ(events.runs(), 1);
  yielder.now(YieldKind::Low);
  EXPECT_EQ(events.runs(), 2);
}

TEST(Yield, ThrottledPointsRunEventsAtMostEveryFewMilliseconds) {
  ensureApplication();
  int prioLevel = 3;
  Yielder yielder(prioLevel);
  EventRuns events;
  QElapsedTimer clock;
  clock.start();
  int points = 0;
  while (clock.elapsed() < 90) {
    events.post();
    yielder.at(YieldKind::Default);
    ++points;
  }
  EXPECT_GT(points, 1000);
  EXPECT_GE(events.runs(), 1);
  EXPECT_LE(events.runs(), 90 / Yielder::kThrottleMs + 1);
}

TEST(Yield, WaitUntilSleepsUntilAnEventMeetsTheCondition) {
  ensureApplication();
  bool done = false;
  QTimer::singleShot(50, [&done] { done = true; });
  int checks = 0;
  Yielder::waitUntil([&] {
    ++checks;
    return done;
  });
  EXPECT_TRUE(done);
  EXPECT_LT(checks, 20);  // woken by events, not spinning
}
