#include <gtest/gtest.h>

#include "library/XFileUpdater.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

TEST(XFileUpdater, KeepsIndentedLinesAndAppendsTheLineCount) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "Old.rtf", "Header\r\n   D:\\a.txt\r\nJunk line\r\n   D:\\b.txt\r\n  two blanks\r\n");
  world.writeFile(data + "Older.rtf", "   x\nobsolete\n");  // LF only, as older files may have

  QStringList shown;
  const XFileRun run = updateXFiles(data, {"Old.rtf", "Older.rtf"},
                                    [&shown](const XFileCount& c) { shown += xFileProgressText(c); });
  EXPECT_EQ(TempWorld::readFile(data + "Old.rtf"), "   D:\\a.txt\r\n   D:\\b.txt\r\n 5 \r\n");
  EXPECT_EQ(TempWorld::readFile(data + "Older.rtf"), "   x\r\n 2 \r\n");
  EXPECT_EQ(run.totalDropped, 4);
  EXPECT_EQ(shown, QStringList({"Delete obsolute entries: [5] Old", "Delete obsolute entries: [2] Older"}));
  EXPECT_EQ(xFilesFinishedText(run.totalDropped), "Delete obsolute entries: 4 * Finished *");
}

TEST(XFileUpdater, LeavesCurrentCataloguesAloneAndAMissingFileIsAnError) {
  TempWorld world;
  const QString data = world.dataPath();
  const QByteArray current = "\"E:\\\",\"a.txt\"\r\n1 files :  folders\r\n";
  world.writeFile(data + "New.rtf", current);
  world.writeFile(data + "Old.rtf", "   kept\r\nx\r\n");
  world.writeFile(data + "notes.txt", "x\r\n");
  EXPECT_EQ(oldLayoutCatalogues(data), QStringList({"Old.rtf"}));
  // Listed while old, current by the time it is updated: refused, kept.
  const XFileRun run = updateXFiles(data, {"New.rtf", "Missing.rtf"});
  EXPECT_EQ(TempWorld::readFile(data + "New.rtf"), current);
  ASSERT_EQ(run.refusals.size(), 1);
  EXPECT_TRUE(run.refusals[0].contains("New.rtf"));
  ASSERT_EQ(run.errors.size(), 1);
  EXPECT_EQ(run.errors[0].number, kFileNotFound);
  EXPECT_TRUE(run.files.isEmpty());
}
