#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

#include "platform/Yield.h"

using namespace quilmo;

namespace {

void ensureApplication() {
  static int argc = 1;
  static char* argv[] = {const_cast<char*>("yield_test"), nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// Whether an event posted just before a yield point of this kind runs at it.
bool runsEventsAt(Yielder& yielder, YieldKind kind) {
  auto ran = std::make_shared<bool>(false);
  QMetaObject::invokeMethod(QCoreApplication::instance(), [ran] { *ran = true; }, Qt::QueuedConnection);
  yielder.now(kind);
  return *ran;
}

}  // namespace

TEST(Yield, KindsMatchTheLevel) {
  // Level 3 is the default, 5 low, 1 high.
  EXPECT_EQ((std::vector<bool>{yieldsAt(YieldKind::Low, 5), yieldsAt(YieldKind::Low, 3), yieldsAt(YieldKind::Default, 5),
                               yieldsAt(YieldKind::Default, 3), yieldsAt(YieldKind::Both, 5), yieldsAt(YieldKind::Both, 3),
                               yieldsAt(YieldKind::Both, 1), yieldsAt(YieldKind::Always, 1)}),
            (std::vector<bool>{true, false, false, true, true, true, false, true}));
}

TEST(Yield, PointsFollowTheLevelReadWhenTheyAreReachedAndAreThrottled) {
  ensureApplication();
  int prioLevel = 1;
  Yielder yielder(prioLevel);
  EXPECT_FALSE(runsEventsAt(yielder, YieldKind::Both));  // high priority: the loop keeps the thread
  EXPECT_TRUE(runsEventsAt(yielder, YieldKind::Always));
  prioLevel = 5;  // the user chose "Low" while the loop runs
  EXPECT_FALSE(runsEventsAt(yielder, YieldKind::Default));
  EXPECT_TRUE(runsEventsAt(yielder, YieldKind::Low));

  const quint64 before = yielder.turns();
  QElapsedTimer clock;
  clock.start();
  int points = 0;
  for (; clock.elapsed() < 90; ++points) yielder.at(YieldKind::Low);
  EXPECT_GT(points, 1000);
  EXPECT_GE(yielder.turns() - before, 1u);
  EXPECT_LE(yielder.turns() - before, 90u / Yielder::kThrottleMs + 1);
}

TEST(Yield, WaitUntilSleepsUntilAnEventMeetsTheCondition) {
  ensureApplication();
  bool done = false;
  QTimer::singleShot(50, [&done] { done = true; });
  int checks = 0;
  Yielder::waitUntil([&] { return ++checks, done; });
  EXPECT_TRUE(done);
  EXPECT_LT(checks, 20);  // woken by events, not spinning
}
