#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "search/Reports.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::search;

TEST(Reports, QuickReportHoldsTheHitLinesWithCrLf) {
  test::TempWorld world;
  HitLines hits;
  hits.add("Holiday", R"("E:\","beach.jpg")");
  hits.add("Ärchiv", R"("F:\","été.txt")");
  ASSERT_TRUE(writeQuickReport(world.appFolder(), hits));
  EXPECT_EQ(test::TempWorld::readFile(world.appFolder() + "QReport.rtf"),
            QByteArray("*Holiday* \"E:\\\",\"beach.jpg\"\r\n*\xC3\x84rchiv* \"F:\\\",\"\xC3\xA9t\xC3\xA9.txt\"\r\n"));
  EXPECT_EQ(hits.textAt(1), QString::fromUtf8(R"(*Ärchiv* "F:\","été.txt")"));
  ASSERT_TRUE(clearQuickReport(world.appFolder()));
  EXPECT_TRUE(test::TempWorld::readFile(world.appFolder() + "QReport.rtf").isEmpty());
  ASSERT_TRUE(writeQuickReport(world.appFolder(), {}));
  EXPECT_TRUE(test::TempWorld::readFile(world.appFolder() + "QReport.rtf").isEmpty());
  EXPECT_EQ(QDir(world.appFolder()).entryList(QDir::Files), QStringList({"QReport.rtf"}));  // no temporary left
}

TEST(Reports, NamesThatLeaveTheReportFolderAreRefusedAndNothingIsWritten) {
  test::TempWorld world;
  world.writeFile(world.appFolder() + "QReport.rtf", "*a* one\r\n");
  for (const char* name : {"", "../escape", "a/b", "a\\b", "..", " padded"}) {
    const ReportResult result = saveQuickReport(world.appFolder(), world.dataPath(), name);
    EXPECT_FALSE(result.ok) << name;
    EXPECT_FALSE(result.message.isEmpty()) << name;
  }
  EXPECT_FALSE(QDir(world.dataPath() + "QReport").exists());
  EXPECT_FALSE(QFileInfo::exists(world.dataPath() + "escape.rtf"));
  EXPECT_TRUE(savedReportText(world.dataPath(), "../QReport.rtf").isEmpty());
}
