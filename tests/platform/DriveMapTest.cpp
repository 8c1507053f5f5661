#include <gtest/gtest.h>

#include <QDir>

#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

namespace {
struct DriveMapTest : ::testing::Test {
  TempWorld world;
  SettingsStore store{SettingsStore::kProgram};
  DriveMap drives{store};
};
}  // namespace

TEST_F(DriveMapTest, DriveCIsTheHomeFolderAndStoredLettersWin) {
  const NativeLocation c = drives.root(u'c');
  ASSERT_EQ(c.status, DriveStatus::Ready);
  EXPECT_EQ(c.path, QDir::toNativeSeparators(world.home()));

  const QString disc = world.folder("disc");
  drives.map(u'e', disc);
  EXPECT_EQ(store.value("Drives", "E"), disc);  // stored under the capital letter
  EXPECT_EQ(SettingsStore(SettingsStore::kProgram).value("Drives", "E"), disc);
  EXPECT_EQ(drives.root(u'E').path, QDir::toNativeSeparators(disc));
}

TEST_F(DriveMapTest, TellsNoDiscFromMissingFolder) {
  EXPECT_EQ(drives.toNative("Q:\\DOCS\\").status, DriveStatus::NoDisc);  // error 68: nothing mapped
  drives.map(u'R', world.root() + "unplugged");
  EXPECT_EQ(drives.toNative("R:\\").status, DriveStatus::NoDisc);  // mapped to a missing folder

  const QString disc = world.folder("disc");
  world.folder("disc/DOCS");
  drives.overrideForRun(u'e', disc);
  EXPECT_TRUE(store.value("Drives", "E").isEmpty());  // a run-only override is not stored
  const NativeLocation docs = drives.toNative("e:\\DOCS\\");
  EXPECT_EQ(docs.status, DriveStatus::Ready);
  EXPECT_EQ(QDir(docs.path).canonicalPath(), QDir(disc + "DOCS").canonicalPath());
  EXPECT_EQ(drives.toNative("E:\\PHOTOS\\").status, DriveStatus::PathNotFound);  // error 76
}

TEST_F(DriveMapTest, TranslatesNativePathsBackToDiscForm) {
  const QString disc = world.folder("disc");
  drives.overrideForRun(u'E', disc);
  EXPECT_EQ(drives.toDiscPath(u'e', disc + "DOCS/a.txt"), QString("E:\\DOCS\\a.txt"));
  EXPECT_EQ(drives.toDiscPath(u'E', disc), QString("E:\\"));
  EXPECT_EQ(DriveMap::letterOf(" e:\\"), QChar(u'E'));
  EXPECT_TRUE(DriveMap::letterOf("1").isNull());
  bool listed = false;
  for (const DriveTarget& d : drives.drives()) listed = listed || (d.letter == u'E' && d.target == disc);
  EXPECT_TRUE(listed);
}
