#include <gtest/gtest.h>

#include <QFile>

#include "library/DiscListFile.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

TEST(DiscListFile, RewriteKeepsThePreviousListAsBackupAndUndoSwapsThem) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "qm.tex", "One\r\nTwo\r\n");  // another spelling of QM.tex
  EXPECT_NE(restoreDiscListBackup(data).number, 0) << "no backup yet";
  EXPECT_EQ(readDiscList(data), QStringList({"One", "Two"}));

  EXPECT_EQ(rewriteDiscList(data, {"One", "Two", "Three"}).number, 0);
  EXPECT_EQ(TempWorld::readFile(data + "qm.tex"), "One\r\nTwo\r\nThree\r\n");
  EXPECT_FALSE(QFile::exists(data + "QM.tex")) << "the folder's spelling is kept";
  EXPECT_EQ(TempWorld::readFile(data + "Qm.Tex.Bak"), "One\r\nTwo\r\n");
  EXPECT_FALSE(QFile::exists(data + "QmFetch.xxx"));

  EXPECT_EQ(rewriteDiscList(data, {"Three"}).number, 0);
  EXPECT_EQ(TempWorld::readFile(data + "Qm.Tex.Bak"), "One\r\nTwo\r\nThree\r\n") << "one generation only";
  EXPECT_EQ(readDiscList(data), QStringList({"Three"}));

  // Undo: the backup comes back, and undoing again returns to where we were.
  EXPECT_EQ(restoreDiscListBackup(data).number, 0);
  EXPECT_EQ(readDiscList(data), QStringList({"One", "Two", "Three"}));
  EXPECT_EQ(restoreDiscListBackup(data).number, 0);
  EXPECT_EQ(readDiscList(data), QStringList({"Three"}));
}
