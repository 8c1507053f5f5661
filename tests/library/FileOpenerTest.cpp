#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "library/AssociationTable.h"
#include "library/FileEntry.h"
#include "library/FileOpener.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/Recorder.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;
using quilmo::test::waitForRecord;
using quilmo::test::writeRecorder;

TEST(AssociationTable, LookupTakesFirstSortedMatchIgnoringCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "qm.SOC", "txt C:\\Tools\\z.exe\r\nJPG /usr/bin/viewer\r\nTXT C:\\Tools\\edit.exe\r\n");
  const AssociationTable table(world.dataPath());
  EXPECT_EQ(table.lines(), QStringList({"JPG /usr/bin/viewer", "TXT C:\\Tools\\edit.exe", "txt C:\\Tools\\z.exe"}));
  EXPECT_EQ(table.programFor("txt"), "C:\\Tools\\edit.exe");
  EXPECT_EQ(table.programFor("Jpg"), "/usr/bin/viewer");
  EXPECT_TRUE(table.programFor("pdf").isEmpty());
}

TEST(AssociationTable, LineNeedsATypeABlankAProgramAndNoComma) {
  EXPECT_TRUE(whyAssociationLineIsRefused("txt /usr/bin/xdg-open").isEmpty());
  EXPECT_TRUE(whyAssociationLineIsRefused("TXT C:\\Tools\\edit.exe").isEmpty());
  for (const char* bad : {"txt", "txt   ", "notepad.exe", "tx /bin/ed", "txt /opt/a,b/ed"})
    EXPECT_FALSE(whyAssociationLineIsRefused(QString::fromLatin1(bad)).isEmpty()) << bad;
}

namespace {

class FileOpenerTest : public ::testing::Test {
 protected:
  TempWorld world_;
  quilmo::SettingsStore store_{QString::fromLatin1(quilmo::SettingsStore::kProgram)};
  quilmo::DriveMap drives_{store_};
  AssociationTable table_{world_.dataPath()};
  OpenOutcome open(const QString& entry, const QString& folder) {
    return openEntry(entry, folder, table_, drives_, world_.appFolder());
  }
  QByteArray lastCommand() const { return TempWorld::readFile(world_.appFolder() + "ttt.ttt"); }
};

TEST_F(FileOpenerTest, AssociationGetsThePathAsOneArgumentNeverThroughAShell) {
  const QString folder = world_.folder("disc/My Docs");
  const QString name = QStringLiteral("we\"ird $(touch pwned); it's.txt");
  world_.writeFile(folder + name, "text");
  const QString record = world_.root() + "record.txt";
  const QString stub = writeRecorder(world_.folder("tools") + "edit tool", record);
  table_.select("TXT", stub);

  const OpenOutcome outcome = open(fileListEntry(name), folder);
  ASSERT_TRUE(outcome.started) << outcome.error.toStdString();
  EXPECT_EQ(outcome.plan.kind, OpenPlan::Association);
  EXPECT_EQ(waitForRecord(record), (folder + name + "\n").toUtf8());
  EXPECT_FALSE(QFile::exists(folder + "pwned") || QFile::exists(world_.root() + "pwned"));
  EXPECT_EQ(lastCommand(), (stub + " \"" + folder + name + "\"\r\n").toUtf8());
}

TEST_F(FileOpenerTest, ProgramEntriesStartDirectlyWhateverTheCase) {
  const QString folder = world_.folder("disc");
  const QString record = world_.root() + "ran.txt";
  writeRecorder(folder + "Set Up.EXE", record);
  table_.select("EXE", "/nonexistent/never-used");  // programs never consult the table

  const OpenOutcome outcome = open("EXE Set Up.EXE", folder);
  ASSERT_TRUE(outcome.started) << outcome.error.toStdString();
  EXPECT_EQ(waitForRecord(record), "") << "without arguments";
  EXPECT_TRUE(QFile::exists(record)) << "the program ran";
  EXPECT_EQ(lastCommand(), (folder + "Set Up.EXE\r\n").toUtf8());
  for (const char* entry : {"EXE Set Up.EXE", "msi a.msi", "Bat b.bat", "com c.com"})
    EXPECT_EQ(planOpen(entry, folder, table_, drives_).kind, OpenPlan::Program);
}

TEST_F(FileOpenerTest, NoAssociationOrAFailedStartStartsNothing) {
  const QString folder = world_.folder("disc");
  table_.select("doc", world_.root() + "missing-editor");
  EXPECT_EQ(open("pdf a.pdf", folder).plan.kind, OpenPlan::NoAssociation);
  const OpenOutcome outcome = open("doc a.doc", folder);
  EXPECT_EQ(outcome.plan.kind, OpenPlan::Association);
  EXPECT_FALSE(outcome.started);
  EXPECT_FALSE(outcome.error.isEmpty());
  EXPECT_FALSE(QFile::exists(world_.appFolder() + "ttt.ttt"));
}

TEST_F(FileOpenerTest, DriveLetterProgramIsFoundThroughTheDriveMap) {
  const QString tools = world_.folder("tools");
  world_.writeFile(tools + "edit", "");
  drives_.overrideForRun(u'T', tools);
  table_.select("txt", "T:\\edit");
  const OpenPlan plan = planOpen("txt a.txt", "/x/", table_, drives_);
  EXPECT_EQ(plan.program, QDir::toNativeSeparators(tools + "edit"));
  EXPECT_EQ(plan.commandLine, "T:\\edit \"/x/a.txt\"");
}

}  // namespace
