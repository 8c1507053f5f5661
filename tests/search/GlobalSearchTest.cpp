#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "search/SearchFinish.h"
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
  SearchOutcome run(const QStringList& words, const QStringList& discs) {
    return GlobalSearch(words, discSources(world.dataPath(), discs), false).run(listener);
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

TEST_F(GlobalSearchTest, ListedDiscsWithoutACatalogueAreCountedAndNamedAtTheFinish) {
  disc("Holiday", kHoliday);
  const SearchOutcome out = run({"beach"}, {"Holiday", "Ghost", "../x", "alpha"});
  EXPECT_EQ(out.missing, QStringList({"../x", "alpha", "Ghost"}));
  EXPECT_EQ(listener.finished, QStringList({"../x", "alpha", "Ghost", "Holiday"}));
  EXPECT_EQ(out.hits.size(), 3);

  EXPECT_EQ(finishedSearchingText(3, {}), "Finished searching: There are 3 links");
  EXPECT_EQ(finishedSearchingText(3, {"Ghost"}), "Finished searching: There are 3 links; 1 listed disc has no catalogue: Ghost");
  EXPECT_EQ(finishedSearchingText(0, {"A", "B", "C", "D", "E", "F", "G"}),
            "Finished searching: There are 0 links; 7 listed discs have no catalogue: A, B, C, D, E, ...");
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

TEST_F(GlobalSearchTest, LinesBeyondAsciiAreFoundThroughTheirCapitalsWithPositionsInCharacters) {
  // The long s and the dotless i are the only letters whose capitals are ASCII; the lines
  // without them are judged from their bytes, the others from their text.
  disc("Mixed", {R"("E:\","ſnap über.jpg")", R"("E:\","über snap.jpg")", R"("E:\","a kıwı café.txt")",
                 R"("E:\","café kiwi.txt")", R"("E:\","café beach.txt")", R"("E:\","café.txt")"});
  const SearchOutcome out = run({"snap", "KIWI", "beach"}, {"Mixed"});
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*Mixed* "E:\","ſnap über.jpg")", R"(*Mixed* "E:\","über snap.jpg")",
                                             R"(*Mixed* "E:\","a kıwı café.txt")", R"(*Mixed* "E:\","café kiwi.txt")",
                                             R"(*Mixed* "E:\","café beach.txt")"}));
  // Word ONLY reads the characters around the occurrence: "café" is one character shorter
  // in characters than in bytes, and "ü" is no separator.
  listener.current.wordOnly = true;
  const SearchOutcome whole = run({"kiwi", "ber"}, {"Mixed"});
  EXPECT_EQ(hitTexts(whole.hits), QStringList({R"(*Mixed* "E:\","a kıwı café.txt")", R"(*Mixed* "E:\","café kiwi.txt")"}));
}

TEST_F(GlobalSearchTest, ACatalogueThatIsNoFileIsAnErrorAndTheSearchGoesOn) {
  // A named pipe would block a reader until something writes to it; a folder cannot be read.
  ASSERT_EQ(mkfifo(QFile::encodeName(world.dataPath() + "Pipe.rtf").constData(), 0600), 0);
  QDir().mkpath(world.dataPath() + "Folder.rtf");
  disc("Holiday", kHoliday);
  const SearchOutcome out = run({"beach.jpg"}, {"Pipe", "Folder", "Holiday"});
  EXPECT_FALSE(out.abandoned);
  EXPECT_EQ(out.errors, 2);
  EXPECT_EQ(listener.errors, std::vector<int>({75, 75}));
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*Holiday* "E:\","beach.jpg")"}));
}
