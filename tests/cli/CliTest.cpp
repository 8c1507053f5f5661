// quilmo-cli's contract with a user or a script: arguments, output, exit statuses and
// messages. The engines' rules are their tests'; LibrarySafetyTest proves what the changes do.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "CliRun.h"

using quilmo::test::CliRun;
using quilmo::test::CliWorld;

TEST(CliTest, CreateSaysWhatItDidAndShowAndListPrintTheLibrary) {
  CliWorld w;
  const QString disc = w.folder("disc");
  w.writeFile(disc + "DOCS/a.txt", "");
  w.writeFile(w.appFolder() + "SSc.ini", "F\r\n");  // the default drive
  const QByteArray locked = QFile::encodeName(w.folder("disc/locked"));
  const bool unreadable = geteuid() != 0 && chmod(locked.constData(), 0) == 0;  // root reads every folder
  const CliRun run = w.cli({"--drive", "F=" + disc, "create", "Disc1"});
  chmod(locked.constData(), 0700);
  EXPECT_EQ(run.err, "") << "no progress line when standard error is not a terminal";
  EXPECT_TRUE(run.out.startsWith("Created disc Disc1: 1 files in 2 folders, catalogue ")) << run.out.toStdString();
  EXPECT_EQ(run.out.endsWith("\n1 folder could not be read\n"), unreadable) << run.out.toStdString();
  EXPECT_TRUE(w.cli({"--drive", "E=" + disc, "create", "DISC1", "--drive-letter", "e:"})
                  .out.startsWith("Rebuilt disc DISC1: 1 files in 2 folders"));
  EXPECT_TRUE(w.data("Disc1.rtf").startsWith("\"E:\\DOCS\\\",\"a.txt\"\r\n"));
  EXPECT_EQ(w.cli({"show", "disc1"}).out, QString(w.data("Disc1.rtf")).remove('\r'));
  EXPECT_EQ(w.cli({"list"}).out, "Disc1\n");
}

TEST(CliTest, EachMistakeHasItsExitStatusAndMessageAndChangesNothing) {
  CliWorld w;
  w.writeFile(w.dataPath() + "QM.tex", "One\r\nTwo\r\n");
  for (const char* disc : {"One.rtf", "Two.rtf"}) w.writeFile(w.dataPath() + disc, "\"E:\\\",\"a.txt\"\r\n");
  w.writeFile(w.appFolder() + "QReport.rtf", "old report\r\n");
  struct Case {
    QStringList arguments;
    int status;  // 2: a usage error, also shown by a usage line
    QString text = {};
  };
  for (const Case& c : {Case{{"help", "create"}, 0, " create [--drive-letter L] NAME\n"},
                        Case{{"create", "--help"}, 0, "\n  --drive-letter L  the drive to catalogue"},
                        Case{{}, 2}, Case{{"nonsense"}, 2}, Case{{"help", "nonsense"}, 2}, Case{{"list", "x"}, 2},
                        Case{{"show", "--frobnicate", "A"}, 2, "quilmo-cli: unknown option --frobnicate\n"},
                        Case{{"create", "A", "--drive-letter"}, 2},
                        Case{{"create", "A", "--drive-letter", "EF"}, 2}, Case{{"create", "A"}, 2, "no CD/DVD drive"},
                        Case{{"rename", "One", ""}, 2}, Case{{"delete"}, 2}, Case{{"search", ""}, 2},
                        Case{{"search", "--type", "../x", "a"}, 2}, Case{{"create", "a,b", "--drive-letter", "E"}, 1},
                        Case{{"create", "Three", "--drive-letter", "G"}, 3, "G:"}, Case{{"show", "Nothing"}, 1},
                        Case{{"show", "--", "--frobnicate"}, 1}, Case{{"rename", "One", "TWO"}, 1},
                        Case{{"rename", "One", "one"}, 1, "the same name"}, Case{{"delete", "One", "Nine"}, 1, "Nine"},
                        Case{{"search", "--disc", "Nowhere", "a"}, 1, "Nowhere"}}) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CliRun run = w.cli(QStringList{"--drive", "E=" + w.folder("disc")} + c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE((c.status ? run.err : run.out).contains(c.text)) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), c.status == 2 ? 2 : c.status ? 1 : 0) << "a message is one line";
    EXPECT_EQ(run.err.contains("\nusage: quilmo-cli "), c.status == 2);
    EXPECT_TRUE(c.status == 0 || run.out.isEmpty());
  }
  EXPECT_EQ(w.data("QM.tex"), "One\r\nTwo\r\n");
  EXPECT_EQ(QDir(w.dataPath()).entryList(QDir::Files), QStringList({"One.rtf", "QM.tex", "Two.rtf"}));
  EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), "old report\r\n");
}

TEST(CliTest, SearchPrintsTheHitsWritesTheQuickReportAndPassesItsOptionsOn) {
  CliWorld w;
  w.writeFile(w.dataPath() + "QM.tex", "Holiday\r\nDisc7\r\narchive\r\n");
  w.writeFile(w.dataPath() + "Holiday.rtf", "\"E:\\\",\"My Beach notes.txt\"\r\n\"E:\\\",\"old beach.jpg\"\r\n"
                                            "\"E:\\\",\"My Beachy.txt\"\r\n3 files : 1 folders\r\n");
  w.writeFile(w.dataPath() + "archive.rtf", "\"F:\\OLD\\\",\"My Beach notes.txt\"\r\n\"F:\\\",\"a_cat.txt\"\r\n");
  w.writeFile(w.dataPath() + "Split-9/JPG.rtf", "\"E:\\\",\"beach.jpg\"\r\n");
  const CliRun all = w.cli({"search", "cat|jpg"});
  EXPECT_EQ(all.out, "*archive* \"F:\\\",\"a_cat.txt\"\n*Holiday* \"E:\\\",\"old beach.jpg\"\n");
  EXPECT_EQ(all.err, "Finished searching: There are 2 links; 1 listed disc has no catalogue: Disc7\n");
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), QString(all.out).replace("\n", "\r\n").toUtf8());
  // Each option, left out, would let another line through.
  EXPECT_EQ(w.cli({"search", "--case", "--word", "--names", "Beach"}).out,
            "*archive* \"F:\\OLD\\\",\"My Beach notes.txt\"\n");
  EXPECT_EQ(w.cli({"search", "--disc", "HOLIDAY", "files|cat"}).out, "*Holiday* 3 files : 1 folders\n");
  EXPECT_EQ(w.cli({"search", "--type", "jpg", "--type", "gif", "beach"}).out, "*JPG* \"E:\\\",\"beach.jpg\"\n");
}

TEST(CliTest, ControlCharactersAreShownEscapedOnlyOnATerminal) {
  CliWorld w;
  const QByteArray line = "\"E:\\\",\"a\x1b]0;owned\x07.txt\"", escaped = "\"E:\\\",\"a\\x1b]0;owned\\x07.txt\"";
  w.writeFile(w.dataPath() + "QM.tex", "Evil\r\n");
  w.writeFile(w.dataPath() + "Evil.rtf", line + "\r\n");
  EXPECT_EQ(w.cli({"show", "Evil"}).out.toUtf8(), line + "\n");
  EXPECT_EQ(w.cli({"search", "owned"}).out.toUtf8(), "*Evil* " + line + "\n");
  EXPECT_EQ(w.onTerminal({"show", "Evil"}), escaped + "\n");
  EXPECT_EQ(w.onTerminal({"search", "owned"}), "*Evil* " + escaped + "\nFinished searching: There are 1 links\n");
  EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), "*Evil* " + line + "\r\n") << "the report is left raw";
}
