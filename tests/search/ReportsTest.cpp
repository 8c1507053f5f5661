#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "search/reports/QuickReportWriter.h"
#include "search/reports/Reports.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::search;

TEST(Reports, QuickReportIsEmptiedAtTheStartAndHoldsTheHitLinesWithCrLfAtTheEnd) {
  test::TempWorld world;
  const QString report = world.appFolder() + "QReport.rtf";
  world.writeFile(report, "*old* line\r\n");
  const QString stale = world.appFolder() + ".quilmo-999999999-abcdef.tmp";
  world.writeFile(stale, "a killed search's report");
  HitLines hits;
  QuickReportWriter writer(world.appFolder());
  ASSERT_TRUE(writer.begin());
  EXPECT_TRUE(test::TempWorld::readFile(report).isEmpty());
  EXPECT_FALSE(QFileInfo::exists(stale));
  // Enough hits to fill blocks, which are written while the search runs.
  for (int i = 0; i < 60000; ++i) {
    const std::size_t blocks = hits.reportBlocks().size();
    hits.add(i % 2 ? "Holiday" : "Ärchiv", QByteArray(R"("E:\","été)") + QByteArray::number(i) + ".jpg\"");
    if (blocks > 0 && hits.reportBlocks().size() > blocks) writer.blockFilled(hits.reportBlocks()[blocks - 1]);
  }
  ASSERT_GT(hits.reportBlocks().size(), 1u);
  EXPECT_TRUE(test::TempWorld::readFile(report).isEmpty());
  ASSERT_TRUE(writer.commit(hits));
  const QByteArray bytes = test::TempWorld::readFile(report);
  EXPECT_EQ(bytes.count("\r\n"), 60000);
  EXPECT_TRUE(bytes.startsWith(R"(*Ärchiv* "E:\","été0.jpg")" "\r\n*Holiday* "));
  EXPECT_TRUE(bytes.endsWith(R"(*Holiday* "E:\","été59999.jpg")" "\r\n"));
  EXPECT_EQ(QDir(world.appFolder()).entryList(QDir::Files), QStringList({"QReport.rtf"}));  // no temporary file left
}

TEST(Reports, AQuickReportThatDoesNotFitOnTheDiskFailsAndSaysSo) {
  test::TempWorld world;
  HitLines hits;
  for (int i = 0; i < 100; ++i) hits.add("Disc0", "\"E:\\\",\"hit" + QByteArray::number(i) + ".txt\"");
  const test::FileSizeLimit full(1024);
  QString error;
  EXPECT_FALSE(QuickReportWriter(world.appFolder()).commit(hits, &error));
  EXPECT_TRUE(error.contains("too large")) << error.toStdString();
  EXPECT_EQ(QDir(world.appFolder()).entryList(QDir::Files), QStringList({"QReport.rtf"}));  // no temporary file left
}

TEST(Reports, NamesThatLeaveTheReportFolderAreRefusedAndNothingIsWritten) {
  test::TempWorld world;
  world.writeFile(world.appFolder() + "QReport.rtf", "*a* one\r\n");
  for (const char* name : {"", "../escape", "a/b", "a\\b", "..", " padded"})
    EXPECT_FALSE(saveQuickReport(world.appFolder(), world.dataPath(), name).ok) << name;
  EXPECT_FALSE(QDir(world.dataPath() + "QReport").exists());
  EXPECT_FALSE(QFileInfo::exists(world.dataPath() + "escape.rtf"));
  EXPECT_TRUE(savedReportText(world.dataPath(), "../QReport.rtf").isEmpty());
}

TEST(Reports, TheSavedReportsAreTheRtfFilesInAlphabeticalOrderAndLoadUnderAHeading) {
  test::TempWorld world;
  for (const char* name : {"zeta.RTF", "Beach.rtf", "apple.rtf", "notes.txt"})
    world.writeFile(world.dataPath() + "QReport/" + name, "");
  QDir().mkpath(world.dataPath() + "QReport/folder.rtf");
  EXPECT_EQ(savedReports(world.dataPath()), QStringList({"apple.rtf", "Beach.rtf", "zeta.RTF"}));
  // Saved over an earlier one, past what a killed save left.
  world.writeFile(world.dataPath() + "QReport/.quilmo-999999999-abcdef.tmp", "half a report");
  world.writeFile(world.appFolder() + "QReport.rtf", "*a* one\r\n");
  ASSERT_TRUE(saveQuickReport(world.appFolder(), world.dataPath(), "apple").ok);
  EXPECT_FALSE(QFileInfo::exists(world.dataPath() + "QReport/.quilmo-999999999-abcdef.tmp"));
  EXPECT_EQ(withReportAppended("old", "apple.rtf", savedReportText(world.dataPath(), "apple.rtf")),
            "old\n================apple.rtf==============\n*a* one\n");
}
