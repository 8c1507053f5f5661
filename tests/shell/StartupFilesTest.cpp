#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/TextCase.h"
#include "platform/SettingsStore.h"
#include "shell/StartupFiles.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(StartupFiles, ReadsEachListFieldWiseFromFilesOfAnyLetterCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "qm.TEX", "Disc1\r\nPhotos,Music\r\n\"Quoted, name\"\r\n\r\n");
  world.writeFile(world.dataPath() + "qm.soc", "txt C:\\Tools\\edit.exe\r\n");
  world.writeFile(world.dataPath() + "ftex.lys", "beach\r\nkamera,snap\r\n");
  world.writeFile(world.appFolder() + "SSc.ini", "E,ignored\r\nF\r\n");
  StartupFiles files(world.dataPath(), world.appFolder());
  EXPECT_EQ(files.discs(), (QStringList{"Disc1", "Photos", "Music", "Quoted, name", ""}));
  files.createAssociationFiles();
  EXPECT_EQ(files.searchWords(), (QStringList{"beach", "kamera", "snap"}));
  EXPECT_EQ(files.discDrive(), QString("E"));
  // The existing files were used, not created again under other spellings.
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files).size(), 4);  // QM.EXL was missing; the others were found
}

TEST(StartupFiles, ADiscListRewriteCutOffBeforeItsLastRenameIsFinished) {
  TempWorld world;
  world.writeFile(world.dataPath() + "Qm.Tex.Bak", "Old\r\n");
  world.writeFile(world.dataPath() + "QmFetch.xxx", "New1\r\nNew2\r\n");
  StartupFiles files(world.dataPath(), world.appFolder());
  EXPECT_EQ(files.discs(), (QStringList{"New1", "New2"}));
  EXPECT_FALSE(QFile::exists(world.dataPath() + "QmFetch.xxx"));
}

TEST(StartupFiles, MissingDriveCIsReportedAsStepSix) {
  TempWorld world;
  StartupFiles files(world.dataPath(), world.appFolder());
  files.writeScratch({});
  files.writeScratch(world.root() + "gone/");
  ASSERT_EQ(files.failures().size(), 2);
  EXPECT_EQ(files.failures()[0].step, 6);
  EXPECT_EQ(files.failures()[0].number, 76);
  EXPECT_FALSE(QFileInfo::exists(world.root() + "gone"));
}

TEST(StartupFiles, AStoredDataFolderThatIsGoneFallsBackToTheCurrentFolder) {
  TempWorld world;
  SettingsStore program(SettingsStore::kProgram);
  DataPathChoice choice = chooseDataPath(program, world.dataPath());
  EXPECT_EQ(choice.dataPath, QDir::toNativeSeparators(world.dataPath()));
  EXPECT_TRUE(choice.missingFolder.isEmpty());

  const QString library = world.folder("library");
  program.setValue("Form_Load", "Def DPath", library.chopped(1));  // stored without the separator
  choice = chooseDataPath(program, world.dataPath());
  EXPECT_EQ(choice.dataPath, QDir::toNativeSeparators(library));

  program.setValue("Form_Load", "Def DPath", world.root() + "unplugged/");
  choice = chooseDataPath(program, world.dataPath());
  EXPECT_EQ(choice.dataPath, QDir::toNativeSeparators(world.dataPath()));
  EXPECT_EQ(choice.missingFolder, QDir::toNativeSeparators(world.root() + "unplugged/"));
}

TEST(StartupFiles, ListsSortWithoutRegardToCaseKeepingEqualKeysInOrder) {
  EXPECT_EQ(sortedIgnoringCase({"beta", "Alpha", "alpha", "ALPHA", "", "Zed", "école"}),
            (QStringList{"", "Alpha", "alpha", "ALPHA", "beta", "Zed", "école"}));
  QStringList many;
  for (int i = 20000; i > 0; --i) many.append(QStringLiteral("Disc%1").arg(i, 5, 10, QChar(u'0')));
  const QStringList sorted = sortedIgnoringCase(many);
  EXPECT_EQ(sorted.first(), QString("Disc00001"));
  EXPECT_EQ(sorted.last(), QString("Disc20000"));
}

