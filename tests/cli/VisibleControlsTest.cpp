#include "cli/VisibleControls.h"

#include <gtest/gtest.h>

using quilmo::cli::withVisibleControls;

TEST(VisibleControls, EscapesC0DelAndC1ButKeepsTabsAndOtherText) {
  constexpr char kText[] = "\x1b[2J\x01\x1f\x7f\r\0\t~ \"E:\\\"";
  EXPECT_EQ(withVisibleControls(QByteArrayView(kText, sizeof kText - 1)),
            QByteArray("\\x1b[2J\\x01\\x1f\\x7f\\x0d\\x00\t~ \"E:\\\""));
  // U+0080 and U+009F are C1; U+00A0, U+00E9 and U+20AC share bytes with them and are not.
  EXPECT_EQ(withVisibleControls("\xc2\x80" "a\xc2\x9f" "b\xc2\xa0\xc3\xa9\xe2\x82\xac"),
            QByteArray("\\x80a\\x9fb\xc2\xa0\xc3\xa9\xe2\x82\xac"));
  EXPECT_EQ(withVisibleControls("end\xc2"), QByteArray("end\xc2"));  // a cut sequence is no control
}
