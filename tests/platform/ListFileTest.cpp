#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(ListFile, AppendsAndRewritesWithCrLfAndReadsFieldWise) {
  TempWorld world;
  const QString path = world.dataPath() + "FTex.Lys";
  ASSERT_TRUE(ListFile::appendLine(path, "beach"));
  ASSERT_TRUE(ListFile::appendLine(path, "kamera,snap"));
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("beach\r\nkamera,snap\r\n"));
  EXPECT_EQ(ListFile::readFields(path), (QStringList{"beach", "kamera", "snap"}));

  ASSERT_TRUE(ListFile::rewrite(path, {"één", "two"}));
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("\xC3\xA9\xC3\xA9n\r\ntwo\r\n"));
  EXPECT_EQ(ListFile::readLines(path), (QStringList{"één", "two"}));
  // Nothing of the temporary file is left beside the target.
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files), QStringList{"FTex.Lys"});
}

TEST(ListFile, FailedRewriteKeepsTheOldFile) {
  TempWorld world;
  const QString path = world.dataPath() + "QM.tex";
  world.writeFile(path, "old\r\n");
  QFile::setPermissions(world.dataPath(), QFile::ReadOwner | QFile::ExeOwner);
  QString error;
  const bool written = ListFile::rewrite(path, {"new"}, &error);
  QFile::setPermissions(world.dataPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (written) GTEST_SKIP() << "running as a user who may write anywhere";
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("old\r\n"));
}

TEST(DataFolder, ResolvesNamesWithoutRegardToCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "QM.SoC", "txt /usr/bin/xdg-open\r\n");
  EXPECT_EQ(resolveInFolder(world.dataPath(), "qm.soc"), world.dataPath() + "QM.SoC");
  EXPECT_EQ(resolveInFolder(world.dataPath(), "QM.tex"), world.dataPath() + "QM.tex");
  EXPECT_EQ(withTrailingSeparator("/a/b"), QString("/a/b/"));
  EXPECT_EQ(withTrailingSeparator("/a/b/"), QString("/a/b/"));
}
