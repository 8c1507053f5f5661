#include <gtest/gtest.h>

#include <QFile>

#include "library/DiscListFile.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

namespace {

QStringList fileLines(const QString& path) {
  return QString::fromUtf8(TempWorld::readFile(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

}  // namespace

TEST(DiscListFile, RewriteKeepsThePreviousListAsBackup) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "qm.tex", "One\r\nTwo\r\n");  // another spelling of QM.tex

  EXPECT_EQ(rewriteDiscList(data, {"One", "Two", "Three"}).number, 0);
  EXPECT_EQ(fileLines(data + "qm.tex"), QStringList({"One", "Two", "Three"}));
  EXPECT_FALSE(QFile::exists(data + "QM.tex")) << "the folder's spelling is kept";
  EXPECT_EQ(fileLines(data + "Qm.Tex.Bak"), QStringList({"One", "Two"}));
  EXPECT_FALSE(QFile::exists(data + "QmFetch.xxx"));

  EXPECT_EQ(rewriteDiscList(data, {"Three"}).number, 0);
  EXPECT_EQ(fileLines(data + "Qm.Tex.Bak"), QStringList({"One", "Two", "Three"})) << "one generation only";
  EXPECT_EQ(readDiscList(data), QStringList({"Three"}));

  // Undo: the backup comes back, and undoing again returns to where we were.
  EXPECT_EQ(restoreDiscListBackup(data).number, 0);
  EXPECT_EQ(readDiscList(data), QStringList({"One", "Two", "Three"}));
  EXPECT_EQ(restoreDiscListBackup(data).number, 0);
  EXPECT_EQ(readDiscList(data), QStringList({"Three"}));
}

TEST(DiscListFile, NoBackupToRestoreChangesNothing) {
  TempWorld world;
  world.writeFile(world.dataPath() + "QM.tex", "One\r\n");
  EXPECT_NE(restoreDiscListBackup(world.dataPath()).number, 0);
  EXPECT_EQ(readDiscList(world.dataPath()), QStringList({"One"}));
}
