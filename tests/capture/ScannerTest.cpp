#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>

#include "capture/Scanner.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::capture;
using quilmo::test::TempWorld;

namespace {
struct ScanFixture : ::testing::Test {
  TempWorld world;
  QString disc = world.folder("disc");
  QString list = world.appFolder() + "File.List.Zub";
  ScanResult scan(const ScanProgress& progress = {}) { return scanDisc(disc, u'E', list, progress); }
};
}  // namespace

TEST_F(ScanFixture, WalksLevelByLevelEndsWithTheTotalsAndReplacesTheLastList) {
  for (const char* file : {"AUTORUN.INF", "A/x.txt", "A/sub/y.txt", "C/x.txt", "C/sub/y.txt"})
    world.writeFile(disc + file, "");
  int reports = 0;
  const ScanResult result = scan([&reports](const ScanCounts&, std::string_view) { ++reports; });
  ASSERT_TRUE(result.written) << result.error.toStdString();
  EXPECT_EQ(reports, 9) << "one report per entry listed";
  EXPECT_EQ(std::pair(result.counts.files, result.counts.folders), std::pair(5.0, 4.0));
  QByteArrayList lines = TempWorld::readFile(list).split('\n');
  EXPECT_EQ(lines.takeLast(), "");
  EXPECT_EQ(lines.takeLast(), "5 files : 4 folders\r");
  const auto depth = [](const QByteArray& a, const QByteArray& b) { return a.count('\\') < b.count('\\'); };
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), depth)) << lines.join('\n').toStdString();
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (QByteArrayList{"\"E:\\\",\"AUTORUN.INF\"\r", "\"E:\\A\\\",\"x.txt\"\r", "\"E:\\A\\sub\\\",\"y.txt\"\r",
                                   "\"E:\\C\\\",\"x.txt\"\r", "\"E:\\C\\sub\\\",\"y.txt\"\r"}));

  QDir(disc).removeRecursively();
  world.writeFile(disc + "only.txt", "");
  ASSERT_TRUE(scan().written);
  EXPECT_EQ(TempWorld::readFile(list), "\"E:\\\",\"only.txt\"\r\n1 files :  folders\r\n");
}

TEST_F(ScanFixture, AListThatCannotBeWrittenIsReported) {
  QDir().mkpath(list);  // a folder where the list should go
  const ScanResult result = scan();
  EXPECT_FALSE(result.written || result.error.isEmpty());
}

TEST(UnreadableText, NothingWhenAllWasReadElseOneLine) {
  for (const auto& [count, text] : {std::pair<size_t, const char*>{0, ""}, {1, "1 folder could not be read"},
                                    {1234, "1,234 folders could not be read"}})
    EXPECT_EQ(unreadableText(ScanCounts{0, 0, count}), text);
}
