// quilmo-cli's contract with a user or a script: arguments, output and exit statuses. The engines'
// rules are their tests'; LibrarySafetyTest proves what changes do and that refusals change nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QRegularExpression>

#include "CliRun.h"

TEST(CliTest, CreateShowListAndSearchPrintTheLibraryAndSearchPassesItsOptionsOn) {
  const quilmo::test::CliWorld w;
  // Controls C0, DEL and C1, which a terminal sees escaped; U+00A0 and U+00E9 share bytes with C1 and are none.
  const QByteArray evil = "\"E:\\\",\"a\x1b]0;owned\x07\x7f\xc2\x9f\xc2\xa0\xc3\xa9\t.txt\"";
  w.writeFile(w.dataPath() + "QM.tex", "Holiday\r\nDisc7\r\narchive\r\nEvil\r\n");
  w.writeFile(w.dataPath() + "Evil.rtf", evil + "\r\n");
  w.writeFile(w.dataPath() + "Holiday.rtf", "\"E:\\\",\"My Beach notes.txt\"\r\n\"E:\\\",\"old beach.jpg\"\r\n"
                                            "\"E:\\\",\"My Beachy.txt\"\r\n3 files : 1 folders\r\n");
  w.writeFile(w.dataPath() + "archive.rtf", "\"F:\\OLD\\\",\"My Beach notes.txt\"\r\n\"F:\\\",\"a_cat.txt\"\r\n");
  w.writeFile(w.dataPath() + "Split-9/JPG.rtf", "\"E:\\\",\"beach.jpg\"\r\n");
  w.writeFile(w.root() + "disc/DOCS/a.txt", "");
  w.writeFile(w.appFolder() + "SSc.ini", "F\r\n");  // the default drive
  const QByteArray locked = w.folder("disc/locked").toLocal8Bit();
  const bool unreadable = geteuid() != 0 && chmod(locked.constData(), 0) == 0;  // root reads every folder
  const quilmo::test::CliRun run = w.cli({"--drive", "F=" + w.root() + "disc", "create", "Disc1"});
  chmod(locked.constData(), 0700);
  EXPECT_EQ(run.err, "") << "no progress line when standard error is not a terminal";
  EXPECT_TRUE(run.out.startsWith("Created disc Disc1: 1 files in 2 folders, catalogue ")) << run.out.toStdString();
  EXPECT_EQ(run.out.endsWith("\n1 folder could not be read\n"), unreadable) << run.out.toStdString();
  EXPECT_TRUE(w.cli({"--drive", "E=" + w.root() + "disc", "create", "DISC1", "--drive-letter", "e:"})
                  .out.startsWith("Rebuilt disc DISC1: 1 files in 2 folders"));
  EXPECT_EQ(w.cli({"show", "disc1"}).out, "\"E:\\DOCS\\\",\"a.txt\"\n1 files : 2 folders\n");
  EXPECT_EQ(w.cli({"list"}).out, "Holiday\nDisc7\narchive\nEvil\nDisc1\n");

  const quilmo::test::CliRun all = w.cli({"search", "cat|jpg"});
  EXPECT_EQ(all.out, "*archive* \"F:\\\",\"a_cat.txt\"\n*Holiday* \"E:\\\",\"old beach.jpg\"\n");
  EXPECT_TRUE(all.status == 0 && all.err == "Finished searching: There are 2 links; 1 listed disc has no catalogue: Disc7\n")
      << all.err.toStdString();
  EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), QString(all.out).replace("\n", "\r\n").toUtf8());
  // Each option, left out, would let another line through.
  EXPECT_EQ(w.cli({"search", "--case", "--word", "--names", "Beach"}).out,
            "*archive* \"F:\\OLD\\\",\"My Beach notes.txt\"\n");
  EXPECT_EQ(w.cli({"search", "--disc", "HOLIDAY", "files|cat"}).out, "*Holiday* 3 files : 1 folders\n");
  EXPECT_EQ(w.cli({"search", "--type", "jpg", "--type", "gif", "beach"}).out, "*JPG* \"E:\\\",\"beach.jpg\"\n");

  const QByteArray shown = "\"E:\\\",\"a\\x1b]0;owned\\x07\\x7f\\x9f\xc2\xa0\xc3\xa9\t.txt\"";
  EXPECT_EQ(w.cli({"show", "Evil"}).out.toUtf8() + w.cli({"search", "owned"}).out.toUtf8(),
            evil + "\n*Evil* " + evil + "\n");
  EXPECT_EQ(w.onTerminal({"show", "Evil"}), shown + "\r\n");
  EXPECT_EQ(w.onTerminal({"search", "--quiet", "owned"}),
            "*Evil* " + shown + "\r\nFinished searching: There are 1 links; 1 listed disc has no catalogue: Disc7\r\n");
  EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), "*Evil* " + evil + "\r\n");
}

TEST(CliTest, CreateAndSearchKeepOneProgressLineOnATerminalOnlyAndEraseItBeforeTheirOutput) {
  const quilmo::test::CliWorld w;
  w.writeFile(w.root() + "disc/DOCS/a.txt", "");
  const QStringList create{"--drive", "E=" + w.root() + "disc", "create", "D1", "--drive-letter", "E"};
  const auto matches = [](const QString& pattern, const QByteArray& got) {
    return QRegularExpression(pattern).match(QString::fromUtf8(got)).hasMatch();
  };
  // Drawn at the first entry (the folder DOCS, listed in the root), erased before the result.
  const QByteArray created = w.onTerminal(create);
  EXPECT_TRUE(matches("^\r\\d+:\\d\\d  DIR: 1  FILES: 0  E:\\\\\x1b\\[K\r\x1b\\[K"
                      "Created disc D1: 1 files in 1 folders, catalogue [^\r]*\r\n$", created))
      << created.toStdString();
  EXPECT_TRUE(w.onTerminal(create + QStringList{"--quiet"}).startsWith("Rebuilt disc D1:"));
  const QString errorFile = w.root() + "stderr.txt";
  EXPECT_TRUE(w.onTerminal(create, errorFile).startsWith("Rebuilt disc D1:"));
  EXPECT_EQ(w.readFile(errorFile), "") << "a file never gets the line";

  const QByteArray searched = w.onTerminal({"search", "a.txt"});
  EXPECT_TRUE(matches("^(\r\\d+:\\d\\d  HITS: \\d+  D1\x1b\\[K)+\r\x1b\\[K"
                      "\\*D1\\* \"E:\\\\DOCS\\\\\",\"a\\.txt\"\r\nFinished searching: [^\r]*\r\n$", searched))
      << searched.toStdString();
  EXPECT_TRUE(w.onTerminal({"search", "--quiet", "a.txt"}).startsWith("*D1* "));
}

TEST(CliTest, IndexBuildsOnlyWhatIsNotUpToDateAndCheckNamesItAndASearchRebuildsWhatItCouldNotUse) {
  const quilmo::test::CliWorld w;
  w.writeFile(w.dataPath() + "QM.tex", "Holiday\r\narchive\r\nGhost\r\n");
  w.writeFile(w.dataPath() + "Holiday.rtf", "\"E:\\\",\"old beach.jpg\"\r\n1 files : 1 folders\r\n");
  w.writeFile(w.dataPath() + "archive.rtf", "\"F:\\\",\"Beach.txt\"\r\n");
  w.writeFile(w.dataPath() + "Split-9/JPG.rtf", "\"E:\\\",\"beach.jpg\"\r\n");
  EXPECT_EQ(w.cli({"search", "beach"}).status, 0);
  EXPECT_FALSE(QFileInfo::exists(w.dataPath() + ".quilmo/index")) << "a search alone makes no index";
  EXPECT_EQ(w.cli({"index"}).out, "indexed 3 of 3 catalogues (0 were up to date)\n");
  const quilmo::test::CliRun fresh = w.cli({"index", "--check"});
  EXPECT_EQ(fresh.status, 0);
  EXPECT_EQ(fresh.out, "3 of 3 catalogues indexed as they are\n");

  w.writeFile(w.dataPath() + "archive.rtf", "\"F:\\\",\"Beach.txt\"\r\n\"F:\\\",\"beach 2.txt\"\r\n");
  QFile::remove(w.dataPath() + ".quilmo/index/Holiday.qix");
  const quilmo::test::CliRun stale = w.cli({"index", "--check"});
  EXPECT_EQ(stale.status, 1);
  EXPECT_EQ(stale.out, "archive.rtf: out of date\nHoliday.rtf: missing\n1 of 3 catalogues indexed as they are\n");
  EXPECT_EQ(w.cli({"search", "beach"}).out,
            "*archive* \"F:\\\",\"Beach.txt\"\n*archive* \"F:\\\",\"beach 2.txt\"\n*Holiday* \"E:\\\",\"old beach.jpg\"\n");
  EXPECT_EQ(w.cli({"index", "--check"}).status, 0);

  EXPECT_EQ(w.cli({"index", "--rebuild", "--check"}).status, 2);
  EXPECT_EQ(w.cli({"index", "--rebuild"}).out, "indexed 3 of 3 catalogues (0 were up to date)\n");
  EXPECT_EQ(w.cli({"index"}).out, "indexed 0 of 3 catalogues (3 were up to date)\n");
}

TEST(CliTest, CommandsThatChangeCataloguesKeepAnIndexCurrentAndMakeNoneWhereThereWasNone) {
  // The same changes on a library without an index, then on one with an index.
  for (const bool indexed : {false, true}) {
    SCOPED_TRACE(indexed ? "with an index" : "without an index");
    const quilmo::test::CliWorld w;
    const QString index = w.dataPath() + ".quilmo/index/";
    w.writeFile(w.dataPath() + "QM.tex", "Holiday\r\narchive\r\n");
    w.writeFile(w.dataPath() + "Holiday.rtf", "\"E:\\\",\"beach.jpg\"\r\n");
    w.writeFile(w.dataPath() + "archive.rtf", "\"F:\\\",\"notes.txt\"\r\n");
    w.writeFile(w.root() + "disc/DOCS/a.txt", "");
    if (indexed) {
      ASSERT_EQ(w.cli({"index"}).status, 0);
    }
    const auto changed = [&](const QString& step, const quilmo::test::CliRun& run, const QStringList& parts = {},
                             const QStringList& gone = {}) {
      SCOPED_TRACE(step.toStdString());
      EXPECT_EQ(run.status, 0) << run.err.toStdString();
      EXPECT_EQ(run.err, "");
      if (!indexed) {
        EXPECT_FALSE(QFileInfo::exists(index));
        return;
      }
      const quilmo::test::CliRun check = w.cli({"index", "--check"});
      EXPECT_EQ(check.status, 0) << check.out.toStdString();
      for (const QString& part : parts) EXPECT_TRUE(QFileInfo::exists(index + part)) << part.toStdString();
      for (const QString& part : gone) EXPECT_FALSE(QFileInfo::exists(index + part)) << part.toStdString();
    };
    changed("create", w.cli({"--drive", "E=" + w.root() + "disc", "create", "Disc1", "--drive-letter", "E"}),
            {"Disc1.qix"});
    changed("rename", w.cli({"rename", "Holiday", "Trip"}), {"Trip.qix"}, {"Holiday.qix"});
    changed("delete", w.cli({"delete", "archive"}), {}, {"archive.qix"});
    changed("undo", w.cli({"undo"}), {"archive.qix"});
    QProcess sundra;
    sundra.start(QStringLiteral(SUNDRA_PROGRAM), {w.dataPath() + "Trip.rtf,Trip"});
    const bool split = sundra.waitForFinished(60000) && sundra.exitStatus() == QProcess::NormalExit;
    changed("sundra", {split ? sundra.exitCode() : -1, {}, sundra.readAllStandardError()}, {"Split-9/JPG.qix"});
    if (!indexed) continue;

    // A part that cannot be written is named, and the disc is created all the same.
    w.writeFile(index + "Disc2.qix/in the way", "");
    const quilmo::test::CliRun blocked =
        w.cli({"--drive", "E=" + w.root() + "disc", "create", "Disc2", "--drive-letter", "E"});
    EXPECT_EQ(blocked.status, 0);
    EXPECT_TRUE(blocked.out.startsWith("Created disc Disc2:")) << blocked.out.toStdString();
    EXPECT_TRUE(blocked.err.startsWith("quilmo-cli: Disc2.rtf cannot be indexed: ")) << blocked.err.toStdString();
  }
}
