#include "cli/VisibleControls.h"

#include <gtest/gtest.h>

using quilmo::cli::withVisibleControls;

TEST(VisibleControls, EscapesC0DelAndC1ButKeepsTabsAndOtherText) {
  EXPECT_EQ(withVisibleControls("\x1b[2J\x01\x1f\x7f\r"), QByteArray("\\x1b[2J\\x01\\x1f\\x7f\\x0d"));
  // U+0080 and U+009F are C1; U+00A0, U+00E9 and U+20AC share bytes with them and are not.
  EXPECT_EQ(withVisibleControls("\xc2\x80" "a\xc2\x9f" "b\xc2\xa0\xc3\xa9\xe2\x82\xac"),
            QByteArray("\\x80a\\x9fb\xc2\xa0\xc3\xa9\xe2\x82\xac"));
  EXPECT_EQ(withVisibleControls("E:\\DOCS\\\t~ \"x\""), QByteArray("E:\\DOCS\\\t~ \"x\""));
  EXPECT_EQ(withVisibleControls(QByteArrayView("a\0b", 3)), QByteArray("a\\x00b"));
  EXPECT_EQ(withVisibleControls("end\xc2"), QByteArray("end\xc2"));  // a cut sequence is no control
}
