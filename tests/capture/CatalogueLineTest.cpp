#include <gtest/gtest.h>

#include "capture/CatalogueLine.h"

using namespace quilmo;
using namespace quilmo::capture;

// What a line cannot hold, each such character and each byte that is not UTF-8, becomes "?".
TEST(CatalogueLine, NamesKeepWhatALineCanHoldAndMarkTheRest) {
  const std::pair<std::string, std::string> names[] = {
      {"Read me, first.txt", "Read me, first.txt"}, {"tab\t~!@#$%^&*()", "tab\t~!@#$%^&*()"}, {"", ""},
      {"\xC3\xA9t\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x93\xB7", "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5 \xF0\x9F\x93\xB7"},
      {"say \"hi\" back\\slash two\r\nlines\n", "say ?hi? back?slash two??lines?"},
      {"\xFF", "?"}, {"\x80\xBF", "??"},     // stray bytes
      {"cut\xE2\x82.txt", "cut??.txt"},        // a sequence cut short, also at the end
      {"end\xE2\x82", "end??"}, {"\xF0\x9F\x93", "???"}, {"\xE2\x82\xAC\xE2\x82", "\xE2\x82\xAC??"},
      {"\xC0\xAF", "??"}, {"\xED\xA0\x80", "???"}, {"\xF4\x90\x80\x80", "????"},  // overlong, surrogate, too high
  };
  for (const auto& [name, held] : names) {
    std::string line;
    CatalogueLine::appendName(line, name);
    EXPECT_EQ(line, held);
  }
}

TEST(CatalogueLine, FolderPathsFileLinesAndTotalsLeavingZeroCountsEmpty) {
  EXPECT_EQ(CatalogueLine::rootFolder(u'e'), "E:\\");
  std::string folder, line;
  CatalogueLine::appendFolder(folder, "E:\\", "DO\\CS");
  EXPECT_EQ(folder, "E:\\DO?CS\\");
  CatalogueLine::appendFileLine(line, "E:\\DOCS\\", "Read me, first.txt");
  EXPECT_EQ(line, "\"E:\\DOCS\\\",\"Read me, first.txt\"\r\n");
  EXPECT_EQ(CatalogueLine::totalsLine(0, 3), QByteArray(" files : 3 folders\r\n"));
  EXPECT_EQ(CatalogueLine::totalsLine(1234567890123.0, 1000), QByteArray("1,234,567,890,123 files : 1,000 folders\r\n"));
}
