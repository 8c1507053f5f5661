#include <gtest/gtest.h>

#include "platform/TextCase.h"

using namespace quilmo;

TEST(TextCase, UpperCasesOneCharacterToOneAndComparesInCodePointOrderOfTheCapitals) {
  EXPECT_EQ(upperCased(u"beach.jpg été δ ж"), QString("BEACH.JPG ÉTÉ Δ Ж"));
  // The capital of ß is two letters, so it stays: positions must not shift.
  EXPECT_EQ(upperCased(u"straße"), QString("STRAßE"));
  EXPECT_TRUE(equalsIgnoringCase(u"Qm.Tex", u"QM.tex"));
  EXPECT_TRUE(equalsIgnoringCase(u"école", u"ÉCOLE"));
  EXPECT_FALSE(equalsIgnoringCase(u"disc1", u"disc10"));
  EXPECT_LT(compareIgnoringCase(u"apple", u"Banana"), 0);
  // "_" (0x5F) sorts after "Z" (0x5A) but before "a".
  EXPECT_LT(compareIgnoringCase(u"Z", u"_"), 0);
  EXPECT_EQ(indexIgnoringCase({"One", "two", "TWO"}, u"Two"), 1);
  EXPECT_EQ(indexIgnoringCase({"One"}, u"three"), -1);
}

TEST(TextCase, SortedInsertKeepsEqualKeysInArrivalOrder) {
  QStringList list;
  for (const char* s : {"beta", "Alpha", "BETA", "gamma", "alpha"})
    list.insert(sortedInsertPosition(list, QString(s)), QString(s));
  EXPECT_EQ(list, (QStringList{"Alpha", "alpha", "beta", "BETA", "gamma"}));
}
