#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

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

TEST(DiscListFile, KilledBetweenStepsLeavesOldOrNewList) {
  const QStringList oldList{"Alpha", "Beta", "Gamma"};
  const QStringList newList{"Alpha", "Gamma", "Delta"};
  for (int step = 1; step <= 5; ++step) {
    SCOPED_TRACE(step);
    TempWorld world;
    const QString data = world.dataPath();
    world.writeFile(data + "QM.tex", "Alpha\r\nBeta\r\nGamma\r\n");
    world.writeFile(data + "Qm.Tex.Bak", "Older\r\n");

    QProcess helper;
    helper.start(QStringLiteral(DISCLIST_STOPPER), QStringList{data, QString::number(step)} + newList);
    ASSERT_TRUE(helper.waitForFinished(30000));
    ASSERT_NE(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0, true) << "the helper must die";

    if (step == 4) {
      // Killed between the two renames: only the complete new list is on disk.
      EXPECT_FALSE(QFile::exists(data + "QM.tex"));
      EXPECT_TRUE(recoverDiscList(data));
    }
    const QStringList found = readDiscList(data);
    EXPECT_EQ(found, step < 4 ? oldList : newList);
    if (step >= 4) EXPECT_EQ(fileLines(data + "Qm.Tex.Bak"), oldList);

    // The next rewrite works from whatever was left.
    EXPECT_EQ(rewriteDiscList(data, {"Epsilon"}).number, 0);
    EXPECT_EQ(readDiscList(data), QStringList({"Epsilon"}));
    EXPECT_EQ(fileLines(data + "Qm.Tex.Bak"), found);
  }
}
