#include <gtest/gtest.h>

#include "capture/NextDiscName.h"

TEST(NextDiscName, RaisesOnlyALastDigitBelowNine) {
  for (const QString same : {"Disc9", "Photos", ""}) EXPECT_EQ(quilmo::capture::nextDiscName(same), same);
  EXPECT_EQ(quilmo::capture::nextDiscName("Set 12"), "Set 13");
}
