#include <gtest/gtest.h>

#include "capture/CatalogueLine.h"

using namespace quilmo;

namespace {

std::string held(std::string_view name) {
  std::string out;
  CatalogueLine::appendName(out, name);
  return out;
}

}  // namespace

TEST(CatalogueLine, KeepsWhatALineCanHold) {
  EXPECT_EQ(held("Read me, first.txt"), "Read me, first.txt");
  EXPECT_EQ(held("tab\there ~!@#$%^&*()"), "tab\there ~!@#$%^&*()");
  EXPECT_EQ(held("\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7"), "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x93\xB7");
  EXPECT_EQ(held(""), "");
}

TEST(CatalogueLine, ReplacesCharactersTheLineCannotHold) {
  EXPECT_EQ(held("say \"hi\""), "say ?hi?");
  EXPECT_EQ(held("back\\slash"), "back?slash");
  EXPECT_EQ(held("two\r\nlines\n"), "two??lines?");
}

TEST(CatalogueLine, ReplacesEachByteThatIsNotUtf8) {
  EXPECT_EQ(held("\xFF"), "?");
  EXPECT_EQ(held("cut\xE2\x82.txt"), "cut??.txt");     // 3-byte sequence cut after 2 bytes
  EXPECT_EQ(held("end\xE2\x82"), "end??");             // ... at the end of the name
  EXPECT_EQ(held("\x80\xBF"), "??");                   // stray continuation bytes
  EXPECT_EQ(held("\xC0\xAF"), "??");                   // overlong "/"
  EXPECT_EQ(held("\xED\xA0\x80"), "???");              // surrogate half
  EXPECT_EQ(held("\xF4\x90\x80\x80"), "????");         // above U+10FFFF
  EXPECT_EQ(held("\xF0\x9F\x93"), "???");              // 4-byte sequence cut short
  EXPECT_EQ(held("\xE2\x82\xAC\xE2\x82"), "\xE2\x82\xAC??");  // a valid euro sign, then a cut one
}

TEST(CatalogueLine, BuildsFolderPathsAndFileLines) {
  EXPECT_EQ(CatalogueLine::rootFolder(u'e'), "E:\\");
  std::string folder;
  CatalogueLine::appendFolder(folder, "E:\\", "DO\\CS");
  EXPECT_EQ(folder, "E:\\DO?CS\\");
  std::string line;
  CatalogueLine::appendFileLine(line, "E:\\DOCS\\", "Read me, first.txt");
  EXPECT_EQ(line, "\"E:\\DOCS\\\",\"Read me, first.txt\"\r\n");
}

TEST(CatalogueLine, TotalsLineLeavesZeroCountsEmpty) {
  EXPECT_EQ(CatalogueLine::totalsLine(0, 0), QByteArray(" files :  folders\r\n"));
  EXPECT_EQ(CatalogueLine::totalsLine(0, 3), QByteArray(" files : 3 folders\r\n"));
  EXPECT_EQ(CatalogueLine::totalsLine(1234, 56), QByteArray("1,234 files : 56 folders\r\n"));
  EXPECT_EQ(CatalogueLine::totalsLine(1234567890123.0, 1000), QByteArray("1,234,567,890,123 files : 1,000 folders\r\n"));
}
