#include <gtest/gtest.h>

#include "platform/FieldReader.h"

using quilmo::readFields;
using quilmo::splitLines;

TEST(FieldReader, SplitsAtCommasTrimsSpacesOnlyAndQuotesKeepCommas) {
  EXPECT_EQ(readFields(u"  alpha , beta,gamma  "), (QStringList{"alpha", "beta", "gamma"}));
  EXPECT_EQ(readFields(u"\ttab\t"), QStringList{"\ttab\t"});  // only spaces are blanks
  EXPECT_EQ(readFields(u""), QStringList{""});
  EXPECT_EQ(readFields(u",,"), (QStringList{"", "", ""}));
  EXPECT_EQ(readFields(u"\"E:\\DOCS\\\",\"Read me, first.txt\""),
            (QStringList{"E:\\DOCS\\", "Read me, first.txt"}));
  EXPECT_EQ(readFields(u"\" padded \""), QStringList{" padded "});
  EXPECT_EQ(readFields(u"\"quoted\"junk,next"), (QStringList{"quoted", "next"}));
  EXPECT_EQ(readFields(u"  \"unclosed, runs on"), QStringList{"unclosed, runs on"});
}

TEST(FieldReader, SplitLinesAcceptsLfAndCrLf) {
  EXPECT_EQ(splitLines(u"a\r\nb\nc"), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(splitLines(u"a\r\n\r\nb\r\n"), (QStringList{"a", "", "b"}));
  EXPECT_TRUE(splitLines(u"").isEmpty());
}
