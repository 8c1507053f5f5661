// Runs the built quilmo-cli on temporary folders, as a user or a script would.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "CliRun.h"
#include "support/TempWorld.h"

using quilmo::test::CliRun;
using quilmo::test::TempWorld;

namespace {

struct CliFixture : ::testing::Test {
  TempWorld world;  // also gives the program a settings store of its own
  QString disc = world.folder("disc");

  CliFixture() {
    world.writeFile(disc + "SETUP.EXE", "");
    world.writeFile(disc + "DOCS/Read me, first.txt", "");
  }

  CliRun cli(const QStringList& arguments) const {
    return quilmo::test::runCli(QStringList{"--data", world.dataPath(), "--app", world.appFolder(), "--drive", "E=" + disc} +
                                arguments);
  }
  QStringList dataFiles() const { return QDir(world.dataPath()).entryList(QDir::Files, QDir::Name); }
  QByteArray discList() const { return TempWorld::readFile(world.dataPath() + "QM.tex"); }
};

// A message on standard error is one line.
bool isOneLine(const QString& text) { return text.endsWith('\n') && text.count('\n') == 1; }

}  // namespace

TEST_F(CliFixture, CreateWritesTheCatalogueAndListsTheDisc) {
  const CliRun run = cli({"create", "Disc1", "--drive-letter", "E"});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(run.err, "") << "no progress line when standard error is not a terminal";
  EXPECT_EQ(TempWorld::readFile(world.dataPath() + "Disc1.rtf"),
            QByteArray("\"E:\\\",\"SETUP.EXE\"\r\n\"E:\\DOCS\\\",\"Read me, first.txt\"\r\n2 files : 1 folders\r\n"));
  EXPECT_EQ(discList(), QByteArray("Disc1\r\n"));
  EXPECT_EQ(dataFiles(), (QStringList{"Disc1.rtf", "QM.tex"}));
  EXPECT_FALSE(QFile::exists(world.appFolder() + "File.List.Zub"));

  const CliRun show = cli({"show", "disc1"});
  EXPECT_EQ(show.status, 0);
  EXPECT_EQ(show.out, "\"E:\\\",\"SETUP.EXE\"\n\"E:\\DOCS\\\",\"Read me, first.txt\"\n2 files : 1 folders\n");
}

TEST_F(CliFixture, ListAfterTwoCreatesAndARebuild) {
  world.writeFile(world.appFolder() + "SSc.ini", "E\r\n");  // the default drive
  ASSERT_EQ(cli({"create", "Zebra"}).status, 0);
  ASSERT_EQ(cli({"create", "Apple", "--drive-letter", "e:"}).status, 0);
  world.writeFile(disc + "NEW.TXT", "");
  ASSERT_EQ(cli({"create", "ZEBRA"}).status, 0);
  const CliRun list = cli({"list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "Zebra\nApple\n");
  EXPECT_TRUE(TempWorld::readFile(world.dataPath() + "Zebra.rtf").startsWith("\"E:\\\",\"")) << "rebuilt in place";
  EXPECT_TRUE(TempWorld::readFile(world.dataPath() + "Zebra.rtf").contains("NEW.TXT"));
  EXPECT_EQ(dataFiles(), (QStringList{"Apple.rtf", "QM.tex", "Zebra.rtf"}));
}

TEST_F(CliFixture, CreateTellsHowManyFoldersCouldNotBeRead) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every folder whatever its permissions";
  const QByteArrayList locked{QFile::encodeName(world.folder("disc/locked")), QFile::encodeName(disc + "DOCS")};
  for (const QByteArray& folder : locked) ASSERT_EQ(chmod(folder.constData(), 0), 0);
  const CliRun run = cli({"create", "Disc1", "--drive-letter", "E"});
  for (const QByteArray& folder : locked) chmod(folder.constData(), 0700);
  EXPECT_EQ(run.status, 0) << "the catalogue is written all the same";
  const QStringList lines = run.out.split('\n');
  ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
  EXPECT_TRUE(lines[0].startsWith("Created disc Disc1: 1 files in 2 folders")) << run.out.toStdString();
  EXPECT_EQ(lines[1], "2 folders could not be read");
}

TEST_F(CliFixture, DriveWithoutDiscExitsThreeAndWritesNothing) {
  const QString missing = "F=" + world.root() + "missing";
  for (const QStringList& arguments : {QStringList{"--drive", missing, "create", "Disc1", "--drive-letter", "F"},
                                       QStringList{"create", "Disc1", "--drive-letter", "G"}}) {
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.status, 3) << arguments.join(' ').toStdString();
    EXPECT_TRUE(isOneLine(run.err)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(arguments.last() + ":")) << run.err.toStdString();
  }
  EXPECT_TRUE(dataFiles().isEmpty());
  EXPECT_TRUE(QDir(world.appFolder()).isEmpty());
}

TEST_F(CliFixture, RefusedNameChangesNothing) {
  world.writeFile(world.dataPath() + "QM.tex", "Disc1\r\n");
  for (const char* name : {"two,words", ".."}) {
    const CliRun run = cli({"create", name, "--drive-letter", "E"});
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_TRUE(isOneLine(run.err)) << run.err.toStdString();
  }
  EXPECT_EQ(discList(), QByteArray("Disc1\r\n"));
  EXPECT_EQ(dataFiles(), QStringList{"QM.tex"});
}

TEST_F(CliFixture, UsageErrorsExitTwoWithAUsageLine) {
  const QList<QStringList> mistakes{{"create"},
                                    {"create", "A", "B"},
                                    {"create", "A", "--drive-letter"},
                                    {"create", "A", "--drive-letter", "EF"},
                                    {"create", "A", "--frobnicate"},
                                    {"list", "extra"},
                                    {"show"},
                                    {"show", "--frobnicate", "A"},
                                    {"nonsense"},
                                    {"help", "nonsense"},
                                    {}};
  for (const QStringList& arguments : mistakes) {
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("usage: quilmo-cli")) << run.err.toStdString();
  }
  EXPECT_TRUE(cli({"show", "--frobnicate", "A"}).err.startsWith("quilmo-cli: unknown option --frobnicate\n"));
  EXPECT_EQ(cli({"show", "--", "--frobnicate"}).status, 1) << "after -- it is a disc name";
  // No default drive set and none given.
  EXPECT_EQ(cli({"create", "A"}).status, 2);
  EXPECT_TRUE(dataFiles().isEmpty());
}

TEST_F(CliFixture, HelpOfOneCommandEitherWay) {
  const CliRun help = cli({"help", "create"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.contains(" create [--drive-letter L] NAME\n")) << help.out.toStdString();
  EXPECT_TRUE(help.out.contains("\n  --drive-letter L  the drive to catalogue")) << help.out.toStdString();
  const CliRun asked = cli({"create", "--help"});
  EXPECT_EQ(asked.status, 0);
  EXPECT_EQ(asked.out, help.out);
  EXPECT_TRUE(cli({"search", "--help"}).out.contains("\n  --names      Auto-remove double filenames\n"));
  EXPECT_TRUE(dataFiles().isEmpty());
}

TEST_F(CliFixture, ControlCharactersInNamesAreShownEscapedOnlyOnATerminal) {
  // ESC opening a retitle sequence ended by BEL, a tab, and the C1 introducer U+009B.
  const QByteArray line = "\"E:\\\",\"a\x1b]0;owned\x07\tb\xc2\x9b" "2J.txt\"";
  const QByteArray escaped = "\"E:\\\",\"a\\x1b]0;owned\\x07\tb\\x9b2J.txt\"";
  world.writeFile(world.dataPath() + "QM.tex", "Evil\r\n");
  world.writeFile(world.dataPath() + "Evil.rtf", line + "\r\n\x7f\x01\r\n");
  const QStringList folders{"--data", world.dataPath(), "--app", world.appFolder()};

  EXPECT_EQ(cli({"show", "Evil"}).out.toUtf8(), line + "\n\x7f\x01\n");
  EXPECT_EQ(quilmo::test::runCliOnTerminal(folders + QStringList{"show", "Evil"}), escaped + "\n\\x7f\\x01\n");

  EXPECT_EQ(cli({"search", "owned"}).out.toUtf8(), "*Evil* " + line + "\n");
  EXPECT_EQ(quilmo::test::runCliOnTerminal(folders + QStringList{"search", "owned"}),
            "*Evil* " + escaped + "\nFinished searching: There are 1 links\n");
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "QReport.rtf"), "*Evil* " + line + "\r\n");
}

TEST_F(CliFixture, ShowOfAMissingCatalogueFails) {
  const CliRun run = cli({"show", "Nothing"});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(isOneLine(run.err)) << run.err.toStdString();
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(cli({"list"}).out, "") << "an empty library lists nothing";
}
