#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DiscTree.h"
#include "capture/DiscCreation.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::test;

// A new disc, a rebuild, refusals and a second creation while one runs are walked by
// CreationPanelTest and CliTest; here what they cannot reach: failures in mid-build.
namespace {

struct CreationFixture : ::testing::Test {
  TempWorld world;
  SettingsStore program{QString::fromLatin1(SettingsStore::kProgram)};
  DriveMap drives{program};
  DiscCreation creation{world.dataPath(), world.appFolder(), drives, program};
  QString disc = world.folder("disc");

  CreationFixture() {
    drives.overrideForRun(u'E', disc);
    touch(disc, "AUTORUN.INF");
  }
  QString newDiscFlag() const { return program.value("Changes", "NewDisc"); }
  // Disc1 catalogued and listed before a creation that fails.
  const QByteArray old = "\"E:\\\",\"kept.txt\"\r\n1 files :  folders\r\n";
  void writeOld() const {
    world.writeFile(world.dataPath() + "Disc1.rtf", old);
    world.writeFile(world.dataPath() + "QM.tex", "Disc1\r\n");
  }
  // Nothing of the failed creation is left: old catalogue, old list, no temporary file.
  void expectOldKept() const {
    EXPECT_EQ(TempWorld::readFile(world.dataPath() + "Disc1.rtf"), old);
    EXPECT_EQ(TempWorld::readFile(world.dataPath() + "QM.tex"), QByteArray("Disc1\r\n"));
    EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files, QDir::Name), (QStringList{"Disc1.rtf", "QM.tex"}));
  }
};

}  // namespace

TEST_F(CreationFixture, FailedWalkKeepsOldCatalogueAndDiscList) {
  writeOld();
  for (int i = 0; i < 400; ++i) touch(disc, QStringLiteral("a rather long file name number %1.txt").arg(i));
  CreationResult result;
  {
    const FileSizeLimit diskFull(4096);
    result = creation.create("Disc1", u'E');
  }
  EXPECT_EQ(result.status, CreationStatus::Failed);
  EXPECT_TRUE(result.message.contains("could not be written")) << result.message.toStdString();
  expectOldKept();
}

TEST_F(CreationFixture, DataFolderLostDuringTheBuildKeepsOldCatalogueAndDiscList) {
  writeOld();
  const QString data = QDir::cleanPath(world.dataPath());
  const QString aside = world.root() + "aside";
  // Mid-walk the data folder becomes a plain file: nobody, not even root, writes into it.
  const CreationResult result = creation.create("Disc2", u'E', [&](const ScanCounts&) {
    if (QDir().rename(data, aside)) world.writeFile(data, "not a folder");
  });
  EXPECT_EQ(result.status, CreationStatus::Failed);
  EXPECT_TRUE(result.message.contains("Disc2.rtf")) << result.message.toStdString();
  ASSERT_TRUE(QFile::remove(data));
  ASSERT_TRUE(QDir().rename(aside, data));
  expectOldKept();
  EXPECT_EQ(newDiscFlag(), "");
}

TEST_F(CreationFixture, RegisterNameAppendsOnceAndRaisesTheNotice) {
  world.writeFile(world.dataPath() + "QM.tex", "Disc1");  // last line without its end
  ASSERT_TRUE(creation.registerName("Disc2"));
  ASSERT_TRUE(creation.registerName("disc2"));
  EXPECT_EQ(TempWorld::readFile(world.dataPath() + "QM.tex"), QByteArray("Disc1\r\nDisc2\r\n"));
  EXPECT_EQ(newDiscFlag(), "True");
}
