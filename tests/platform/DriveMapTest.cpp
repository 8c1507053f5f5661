#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>

#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo;

TEST(DriveMap, DriveCIsTheHomeFolderAndStoredLettersWinButRunOverridesAreNotStored) {
  test::TempWorld world;
  SettingsStore store{SettingsStore::kProgram};
  DriveMap drives{store};
  const NativeLocation c = drives.root(u'c');
  ASSERT_EQ(c.status, DriveStatus::Ready);
  EXPECT_EQ(c.path, QDir::toNativeSeparators(world.home()));

  const QString disc = world.folder("disc");
  drives.map(u'e', disc);
  EXPECT_EQ(SettingsStore(SettingsStore::kProgram).value("Drives", "E"), disc);  // under the capital letter
  EXPECT_EQ(drives.root(u'E').path, QDir::toNativeSeparators(disc));
  drives.overrideForRun(u'f', disc);
  EXPECT_TRUE(store.value("Drives", "F").isEmpty());
  EXPECT_EQ(drives.root(u'F').path, QDir::toNativeSeparators(disc));
  const QList<DriveTarget> listed = drives.drives();
  EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const DriveTarget& d) { return d.letter == u'E' && d.target == disc; }));
}

TEST(DriveMap, TellsNoDiscFromMissingFolderAndTranslatesBack) {
  test::TempWorld world;
  SettingsStore store{SettingsStore::kProgram};
  DriveMap drives{store};
  EXPECT_EQ(drives.toNative("Q:\\DOCS\\").status, DriveStatus::NoDisc);  // error 68: nothing mapped
  drives.map(u'R', world.root() + "unplugged");
  EXPECT_EQ(drives.toNative("R:\\").status, DriveStatus::NoDisc);  // mapped to a missing folder

  const QString disc = world.folder("disc");
  world.folder("disc/DOCS");
  drives.overrideForRun(u'e', disc);
  const NativeLocation docs = drives.toNative("e:\\DOCS\\");
  EXPECT_EQ(docs.status, DriveStatus::Ready);
  EXPECT_EQ(QDir(docs.path).canonicalPath(), QDir(disc + "DOCS").canonicalPath());
  EXPECT_EQ(drives.toNative("E:\\PHOTOS\\").status, DriveStatus::PathNotFound);  // error 76

  EXPECT_EQ(drives.toDiscPath(u'e', disc + "DOCS/a.txt"), QString("E:\\DOCS\\a.txt"));
  EXPECT_EQ(drives.toDiscPath(u'E', disc), QString("E:\\"));
  EXPECT_EQ(DriveMap::letterOf(" e:\\"), QChar(u'E'));
  EXPECT_TRUE(DriveMap::letterOf("1").isNull());
}
