#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "DiscTree.h"
#include "capture/Scanner.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::test;

namespace {

// One disc folder and one scan list per test.
struct ScanFixture : ::testing::Test {
  TempWorld world;
  QString disc = world.folder("disc");
  QString list = world.appFolder() + "File.List.Zub";

  ScanResult scan(const ScanProgress& progress = {}) { return scanDisc(disc, u'E', list, progress); }
  QByteArrayList lines() const { return catalogueLines(list); }
};

}  // namespace

TEST_F(ScanFixture, ExampleDiscGivesFourLines) {
  touch(disc, "AUTORUN.INF");
  touch(disc, "SETUP.EXE");
  touch(disc, "DOCS/Read me, first.txt");
  const ScanResult result = scan();
  ASSERT_TRUE(result.written) << result.error.toStdString();
  const QByteArrayList written = lines();
  ASSERT_EQ(written.size(), 4);
  // The root's own files come first, in whatever order the file system lists them.
  EXPECT_EQ(QSet<QByteArray>(written.begin(), written.begin() + 2),
            (QSet<QByteArray>{"\"E:\\\",\"AUTORUN.INF\"", "\"E:\\\",\"SETUP.EXE\""}));
  EXPECT_EQ(written[2], "\"E:\\DOCS\\\",\"Read me, first.txt\"");
  EXPECT_EQ(written[3], "3 files : 1 folders");
  EXPECT_EQ(result.counts.files, 3);
  EXPECT_EQ(result.counts.folders, 1);
}

TEST_F(ScanFixture, SecondScanStartsFromZeroAndReplacesTheList) {
  for (int i = 0; i < 20; ++i) touch(disc, QStringLiteral("f%1").arg(i));
  ASSERT_EQ(scan().counts.files, 20);
  QDir(disc).removeRecursively();
  touch(disc, "only.txt");
  const ScanResult second = scan();
  EXPECT_EQ(second.counts.files, 1);
  EXPECT_EQ(lines(), (QByteArrayList{"\"E:\\\",\"only.txt\"", "1 files :  folders"}));
}

TEST_F(ScanFixture, NamesTheLineCannotHoldGetQuestionMarks) {
  const QByteArray rawName = QFile::encodeName(disc) + "cut\xE2\x82.txt";
  touchRaw(rawName);
  QDir().mkpath(disc + "in\\valid");  // a backslash inside a Linux folder name
  touch(disc, "in\\valid/say \"hi\".txt");
  ASSERT_TRUE(scan().written);
  const QByteArrayList written = lines();
  EXPECT_TRUE(written.contains("\"E:\\\",\"cut??.txt\""));
  EXPECT_TRUE(written.contains("\"E:\\in?valid\\\",\"say ?hi?.txt\""));
  unlink(rawName.constData());  // Qt cannot spell it, so the temporary folder could not remove it
}

TEST_F(ScanFixture, LinksArePlainFileLinesAndLoopsDoNotTrapTheWalk) {
  touch(disc, "real/inside.txt");
  link(disc + "real", disc + "toReal");
  link(".", disc + "real/self");      // a loop back to its own folder
  link("..", disc + "real/up");       // and to the parent
  link("nowhere", disc + "dangling");
  ASSERT_EQ(mkfifo(QFile::encodeName(disc + "pipe").constData(), 0600), 0);
  const ScanResult result = scan();
  ASSERT_TRUE(result.written);
  const QByteArrayList written = lines();
  QByteArrayList expected{"\"E:\\\",\"toReal\"",          "\"E:\\\",\"dangling\"",       "\"E:\\\",\"pipe\"",
                          "\"E:\\real\\\",\"inside.txt\"", "\"E:\\real\\\",\"self\"", "\"E:\\real\\\",\"up\""};
  EXPECT_EQ(QSet<QByteArray>(written.begin(), written.end() - 1), QSet<QByteArray>(expected.begin(), expected.end()));
  EXPECT_EQ(written.last(), "6 files : 1 folders");
}

TEST(UnreadableText, NothingWhenAllWasReadElseOneLine) {
  ScanCounts counts;
  EXPECT_EQ(unreadableText(counts), "");
  counts.unreadable = 1;
  EXPECT_EQ(unreadableText(counts), "1 folder could not be read");
  counts.unreadable = 1234;
  EXPECT_EQ(unreadableText(counts), "1,234 folders could not be read");
}

TEST_F(ScanFixture, DeepChainAndHugeFolder) {
  QString chain;
  for (int level = 1; level <= 60; ++level) chain += QStringLiteral("L%1/").arg(level);
  touch(disc, chain + "bottom.txt");
  const QString huge = world.folder("disc/huge");
  for (int i = 0; i < 1500; ++i) touchRaw(QFile::encodeName(huge) + QByteArray::number(i));
  int calls = 0;
  ScanCounts last;
  const ScanResult result = scan([&](const ScanCounts& counts) {
    ++calls;
    last = counts;
  });
  ASSERT_TRUE(result.written);
  EXPECT_EQ(calls, 1501 + 61) << "one report per entry listed";
  EXPECT_EQ(last.files, 1501);
  EXPECT_EQ(last.folders, 61);
  const QByteArrayList written = lines();
  ASSERT_EQ(written.size(), 1502);
  QByteArray deepLine = "\"E:\\" + chain.toUtf8().replace('/', '\\') + "\",\"bottom.txt\"";
  EXPECT_EQ(written[1500], deepLine) << "the deepest folder is listed last";
  EXPECT_EQ(written.last(), "1,501 files : 61 folders");
}

TEST_F(ScanFixture, UnwritableScanListIsReported) {
  QDir().mkpath(list);  // a folder where the list should go: no one can write it
  const ScanResult result = scan();
  EXPECT_FALSE(result.written);
  EXPECT_FALSE(result.error.isEmpty());
}
