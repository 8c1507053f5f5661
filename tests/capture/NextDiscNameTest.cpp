#include <gtest/gtest.h>

#include "capture/NextDiscName.h"

using quilmo::nextDiscName;

TEST(NextDiscName, RaisesALastDigitBelowNine) {
  EXPECT_EQ(nextDiscName("Disc0"), "Disc1");
  EXPECT_EQ(nextDiscName("Backup3"), "Backup4");
  EXPECT_EQ(nextDiscName("Set 12"), "Set 13");
  EXPECT_EQ(nextDiscName("Disc9"), "Disc9");
  EXPECT_EQ(nextDiscName("Photos"), "Photos");
  EXPECT_EQ(nextDiscName(""), "");
}
