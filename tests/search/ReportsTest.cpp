#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "search/QuickReportWriter.h"
#include "search/Reports.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::search;

TEST(Reports, QuickReportIsEmptiedAtTheStartAndHoldsTheHitLinesWithCrLfAtTheEnd) {
  test::TempWorld world;
  const QString report = world.appFolder() + "QReport.rtf";
  world.writeFile(report, "*old* line\r\n");
  HitLines hits;
  QuickReportWriter writer(world.appFolder());
  ASSERT_TRUE(writer.begin());
  EXPECT_TRUE(test::TempWorld::readFile(report).isEmpty());
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
  EXPECT_EQ(hits.textAt(0), QString::fromUtf8(R"(*Ärchiv* "E:\","été0.jpg")"));
  // A search without hits leaves an empty report, and no temporary file stays behind.
  QuickReportWriter none(world.appFolder());
  ASSERT_TRUE(none.commit({}));
  EXPECT_TRUE(test::TempWorld::readFile(report).isEmpty());
  EXPECT_EQ(QDir(world.appFolder()).entryList(QDir::Files), QStringList({"QReport.rtf"}));
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
