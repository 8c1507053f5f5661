#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "DiscTree.h"
#include "capture/Scanner.h"
#include "support/FolderChain.h"
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

TEST_F(ScanFixture, VisitsFoldersBreadthFirstInListingOrder) {
  for (const char* file : {"r.txt", "A/a.txt", "A/A1/a1.txt", "B/b.txt", "A/A1/A11/deep.txt", "B/B1/b1.txt"})
    touch(disc, file);
  ASSERT_TRUE(scan().written);
  // Within one folder the file system decides the order; across levels the walk does.
  const QByteArrayList order = folderOrder(lines());
  ASSERT_EQ(order.size(), 6);
  EXPECT_EQ(order[0], "E:\\");
  EXPECT_EQ(QSet<QByteArray>(order.begin() + 1, order.begin() + 3), (QSet<QByteArray>{"E:\\A\\", "E:\\B\\"}));
  const QByteArray firstChild = order[3] == "E:\\A\\A1\\" ? "E:\\A\\" : "E:\\B\\";
  EXPECT_EQ(order[1], firstChild) << "the first folder listed has its subfolders listed first";
  EXPECT_EQ(QSet<QByteArray>(order.begin() + 3, order.begin() + 5), (QSet<QByteArray>{"E:\\A\\A1\\", "E:\\B\\B1\\"}));
  EXPECT_EQ(order[5], "E:\\A\\A1\\A11\\");
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
  touch(disc, QString::fromUtf8("\xC3\xA9t\xC3\xA9/caf\xC3\xA9.txt"));
  ASSERT_TRUE(scan().written);
  const QByteArrayList written = lines();
  EXPECT_TRUE(written.contains("\"E:\\\",\"cut??.txt\""));
  EXPECT_TRUE(written.contains("\"E:\\in?valid\\\",\"say ?hi?.txt\""));
  EXPECT_TRUE(written.contains("\"E:\\\xC3\xA9t\xC3\xA9\\\",\"caf\xC3\xA9.txt\""));
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

TEST_F(ScanFixture, FolderDeeperThanTheLongestPathIsCatalogued) {
  touch(disc, "A/a.txt");
  const FolderChain chain(QFile::encodeName(disc).toStdString(), "0123456789", 500, "lost.txt");
  ASSERT_TRUE(chain.made());
  const ScanResult result = scan();
  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.counts.unreadable, 0u);
  const QByteArrayList written = lines();
  ASSERT_EQ(written.size(), 3);
  EXPECT_EQ(written[1], "\"E:\\" + QByteArray("0123456789\\").repeated(500) + "\",\"lost.txt\"");
  EXPECT_EQ(written.last(), "2 files : 501 folders");
}

TEST_F(ScanFixture, FolderWithoutReadPermissionIsSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "root lists every folder whatever its permissions";
  touch(disc, "open/a.txt");
  touch(disc, "locked/secret.txt");
  touch(disc, "locked/inner/more.txt");
  ASSERT_EQ(chmod(QFile::encodeName(disc + "locked").constData(), 0), 0);
  const ScanResult result = scan();
  chmod(QFile::encodeName(disc + "locked").constData(), 0700);
  EXPECT_EQ(lines(), (QByteArrayList{"\"E:\\open\\\",\"a.txt\"", "1 files : 2 folders"}));
  EXPECT_TRUE(result.written);
  EXPECT_EQ(result.counts.unreadable, 1u);
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
  for (int i = 0; i < 100000; ++i) touchRaw(QFile::encodeName(huge) + QByteArray::number(i));
  int calls = 0;
  ScanCounts last;
  const ScanResult result = scan([&](const ScanCounts& counts) {
    ++calls;
    last = counts;
  });
  ASSERT_TRUE(result.written);
  EXPECT_EQ(calls, 100001 + 61) << "one report per entry listed";
  EXPECT_EQ(last.files, 100001);
  EXPECT_EQ(last.folders, 61);
  const QByteArrayList written = lines();
  ASSERT_EQ(written.size(), 100002);
  QByteArray deepLine = "\"E:\\" + chain.toUtf8().replace('/', '\\') + "\",\"bottom.txt\"";
  EXPECT_EQ(written[100000], deepLine) << "the deepest folder is listed last";
  EXPECT_EQ(written.last(), "100,001 files : 61 folders");
}

TEST_F(ScanFixture, UnwritableScanListIsReported) {
  QDir().mkpath(list);  // a folder where the list should go: no one can write it
  const ScanResult result = scan();
  EXPECT_FALSE(result.written);
  EXPECT_FALSE(result.error.isEmpty());
}
