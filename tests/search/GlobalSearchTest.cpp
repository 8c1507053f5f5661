#include <gtest/gtest.h>

#include <QDir>

#include "search/SearchQueue.h"
#include "SearchFixture.h"

using namespace quilmo;
using namespace quilmo::search;
using quilmo::test::catalogue;
using quilmo::test::hitTexts;
using quilmo::test::RecordingListener;

namespace {

class GlobalSearchTest : public ::testing::Test {
 protected:
  void disc(const QString& name, const QStringList& lines) {
    world.writeFile(world.dataPath() + name + ".rtf", catalogue(lines));
  }
  SearchOutcome run(const QStringList& words, const QStringList& discs, bool split = false) {
    const auto sources = split ? splitFileSources(world.dataPath(), discs) : discSources(world.dataPath(), discs);
    return GlobalSearch(words, sources, split).run(listener);
  }

  test::TempWorld world;
  RecordingListener listener;
};

const QStringList kHoliday = {R"("E:\","beach.jpg")", R"("E:\DOCS\","Beach report.txt")",
                              R"("E:\DOCS\beach\","notes.txt")", "3 files : 2 folders"};
const QStringList kArchive = {R"("F:\OLD\","beach.jpg")", R"("E:\","beach.jpg")", R"("F:\","Snapshot.png")",
                              "3 files : 1 folders"};

}  // namespace

TEST_F(GlobalSearchTest, HitLinesNameTheirDiscInQueueOrderAndEachLineOnce) {
  disc("Holiday", kHoliday);
  disc("archive", kArchive);
  const SearchOutcome out = run({"beach", "BEACH", "snap"}, {"Holiday", "archive"});
  // The queue is alphabetical; the line in both discs is listed for the first disc read.
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*archive* "F:\OLD\","beach.jpg")", R"(*archive* "E:\","beach.jpg")",
                                             R"(*archive* "F:\","Snapshot.png")", R"(*Holiday* "E:\DOCS\","Beach report.txt")",
                                             R"(*Holiday* "E:\DOCS\beach\","notes.txt")"}));
  EXPECT_EQ(listener.started, QStringList({"archive", "Holiday"}));
  EXPECT_EQ(out.scanCount, 8 * 3);
  EXPECT_EQ(listener.scanAtFinish, std::vector<qint64>({12, 24}));
  ASSERT_EQ(listener.atHit.size(), 5u);
  EXPECT_EQ(listener.atHit[3].discHits, 1);  // DiscHits starts again for each disc
  EXPECT_EQ(listener.atHit[4].hitCount, 5);
}

TEST_F(GlobalSearchTest, AutoRemoveDoubleFilenamesComparesTheFileNamePart) {
  disc("Holiday", kHoliday);
  disc("archive", kArchive);
  listener.current.autoRemoveDoubles = true;
  const SearchOutcome out = run({"beach"}, {"Holiday", "archive"});
  // beach.jpg in two folders is listed once; a word only in the folder part is no hit.
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*archive* "F:\OLD\","beach.jpg")",
                                             R"(*Holiday* "E:\DOCS\","Beach report.txt")"}));
  listener.current.autoRemoveDoubles = false;
  EXPECT_EQ(run({"beach"}, {"Holiday", "archive"}).hits.size(), 4);  // off: every distinct line
}

TEST_F(GlobalSearchTest, EmptyWordsHitEveryLineAndOptionsStillApply) {
  disc("Holiday", kHoliday);
  EXPECT_EQ(run({"", "x"}, {"Holiday"}).hits.size(), 4);
  // An empty word stands before the first character, which is then no separator.
  listener.current.wordOnly = true;
  EXPECT_EQ(run({""}, {"Holiday"}).hits.size(), 0);
  listener.current = {};
  listener.current.caseOn = true;
  EXPECT_EQ(hitTexts(run({"Beach"}, {"Holiday"}).hits), QStringList({R"(*Holiday* "E:\DOCS\","Beach report.txt")"}));
}

TEST_F(GlobalSearchTest, FileTypesFilterLinesOrSelectSplitFiles) {
  disc("Holiday", kHoliday);
  listener.current.selectedTypes = {"JPG"};  // catalogue lines end with a quote
  EXPECT_EQ(run({"beach"}, {"Holiday"}).hits.size(), 0);
  listener.current.selectedTypes = {"JPG\""};
  EXPECT_EQ(run({"beach"}, {"Holiday"}).hits.size(), 1);

  world.writeFile(world.dataPath() + "split-9/JPG.rtf", catalogue({R"("E:\","beach.jpg")"}));
  listener.current.selectedTypes = {"GIF"};  // ignored in a split-file search
  const SearchOutcome out = run({"beach"}, {"JPG", "TXT"}, true);
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*JPG* "E:\","beach.jpg")"}));
  EXPECT_EQ(listener.finished.mid(listener.finished.size() - 2), QStringList({"JPG", "TXT"}));  // TXT is missing
}

TEST_F(GlobalSearchTest, MissingDiscsAddNothingAndUnreadableOnesAreCountedUntilTheThird) {
  disc("a", {"one"});
  const SearchOutcome none = run({"one"}, {"gone", "a"});
  EXPECT_EQ(none.hits.size(), 1);
  EXPECT_TRUE(listener.errors.empty());
  EXPECT_EQ(listener.scanAtFinish, std::vector<qint64>({1, 1}));  // "a" then "gone": 0 lines

  for (const char* name : {"b", "c", "d"}) QDir().mkpath(world.dataPath() + name + ".rtf");  // cannot be read
  listener = {};
  const SearchOutcome out = run({"one"}, {"a", "b", "c", "d"});
  EXPECT_EQ(listener.errors.size(), 2u);
  EXPECT_TRUE(out.abandoned);
  EXPECT_EQ(listener.started, QStringList({"a", "b", "c", "d"}));
}

TEST_F(GlobalSearchTest, StopEndsAfterTheWordInHandWithTheHitsSoFar) {
  QStringList lines;
  for (int i = 0; i < 50000; ++i) lines += QString(R"("E:\","file%1.txt")").arg(i);
  disc("big", lines);
  listener.stopWhen = [](const RecordingListener& l) { return l.atHit.size() >= 3; };
  const SearchOutcome out = run({"file1", "zzz"}, {"big"});
  EXPECT_TRUE(out.stopped);
  EXPECT_EQ(out.hits.size(), 3);
  // Lines 1, 10 and 11 (from 0) hold file1; the third hit is the first word of line 11.
  EXPECT_EQ(out.scanCount, 11 * 2 + 1);
  EXPECT_TRUE(listener.finished.isEmpty());
}

TEST_F(GlobalSearchTest, QueueComesFromTheDiscListInAlphabeticalOrder) {
  world.writeFile(world.dataPath() + "qm.TEX", "zeta\r\nAlpha\r\n\"beta, gamma\"\r\nalpha\r\n");
  EXPECT_EQ(discList(world.dataPath()), QStringList({"zeta", "Alpha", "beta, gamma", "alpha"}));
  EXPECT_EQ(queueOrder(discList(world.dataPath())), QStringList({"Alpha", "alpha", "beta, gamma", "zeta"}));
  // A name that would leave the data folder names no catalogue.
  EXPECT_TRUE(discSources(world.dataPath(), {"../x"}).front().path.isEmpty());
}
