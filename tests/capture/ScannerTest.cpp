#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <cstring>

#include "capture/DiscFacts.h"
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

TEST_F(ScanFixture, FactsFollowTheCatalogueLineByLineWithEachFilesOwnSizeAndTime) {
  // Many files over several folders, so the listers' hand-over order matters.
  for (int i = 0; i < 300; ++i) world.writeFile(disc + QString("F%1/f%2.bin").arg(i % 7).arg(i), QByteArray(i, 'x'));
  for (int i = 0; i < 300; ++i) {
    const timespec times[2] = {{0, UTIME_OMIT}, {1'600'000'000 + i, 123'456'789}};
    const QByteArray path = QFile::encodeName(disc + QString("F%1/f%2.bin").arg(i % 7).arg(i));
    ASSERT_EQ(utimensat(AT_FDCWD, path.constData(), times, 0), 0);
  }
  // A link is a file line of its own: its facts are the link's, not its target's.
  ASSERT_EQ(symlink("F0/f0.bin", QFile::encodeName(disc + "link").constData()), 0);
  const VolumeFacts volume = readVolumeFacts(disc);
  const ScanResult result = scanDisc(disc, u'E', list, {}, &volume);
  ASSERT_TRUE(result.written && result.factsError.isEmpty()) << result.factsError.toStdString();

  const FactsReading reading = readDiscFacts(list);
  ASSERT_EQ(reading.state, FactsState::Read) << reading.message.toStdString();
  QByteArrayList lines = TempWorld::readFile(list).split('\n');
  lines.removeLast();
  lines.removeLast();  // the totals
  ASSERT_EQ(reading.facts.lines.size(), size_t(lines.size()));
  qint64 bytes = 0;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QByteArray name = lines[i].split('"').value(3);
    const FileFact fact = reading.facts.lines[size_t(i)];
    if (name == "link") {
      EXPECT_EQ(fact.size, qint64(std::strlen("F0/f0.bin")));
    } else {
      const int n = name.mid(1, name.indexOf('.') - 1).toInt();
      EXPECT_EQ(fact, (FileFact{n, (1'600'000'000LL + n) * 1'000'000'000 + 123'456'789})) << name.toStdString();
    }
    bytes += fact.size;
  }
  EXPECT_EQ(std::tuple(reading.facts.files, reading.facts.folders, reading.facts.bytes), std::tuple(301, 7, bytes));
  EXPECT_FALSE(reading.facts.volume.mountPoint) << "a plain folder is no volume of its own";
}

TEST(UnreadableText, NothingWhenAllWasReadElseOneLine) {
  for (const auto& [count, text] : {std::pair<size_t, const char*>{0, ""}, {1, "1 folder could not be read"},
                                    {1234, "1,234 folders could not be read"}})
    EXPECT_EQ(unreadableText(ScanCounts{0, 0, count}), text);
}
