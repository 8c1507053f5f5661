#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "capture/CreationClaim.h"
#include "capture/DiscCreation.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::capture;
using quilmo::test::TempWorld;

namespace {
struct CreationFixture : ::testing::Test {
  TempWorld world;
  SettingsStore program{QString::fromLatin1(SettingsStore::kProgram)};
  DriveMap drives{program};
  DiscCreation creation{world.dataPath(), world.appFolder(), drives, program};
  QByteArray data(const char* name) const { return TempWorld::readFile(world.dataPath() + name); }
};
}  // namespace

TEST_F(CreationFixture, AWriteFailingInMidWalkKeepsTheOldCatalogueAndDiscList) {
  const QString disc = world.folder("disc");
  for (int i = 0; i < 400; ++i) world.writeFile(disc + QStringLiteral("a rather long file name %1.txt").arg(i), "");
  drives.overrideForRun(u'E', disc);
  world.writeFile(world.dataPath() + "Disc1.rtf", "old");
  world.writeFile(world.dataPath() + "QM.tex", "Disc1\r\n");
  const CreationResult result = [&] {
    const test::FileSizeLimit diskFull(4096);
    return creation.create("Disc1", u'E');
  }();
  EXPECT_EQ(result.status, CreationStatus::Failed);
  EXPECT_TRUE(result.message.contains("could not be written")) << result.message.toStdString();
  EXPECT_EQ(data("Disc1.rtf") + data("QM.tex"), "oldDisc1\r\n");
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files), (QStringList{"Disc1.rtf", "QM.tex"}));  // no temporary left
  EXPECT_EQ(program.value("Changes", "NewDisc"), "");
}

TEST_F(CreationFixture, ACatalogueMadeWithoutFactsTakesTheOldFactsAwayAndLeavesTheNote) {
  world.writeFile(world.folder("disc") + "a.txt", "x");
  drives.overrideForRun(u'E', world.folder("disc"));
  // Named after the catalogue as the folder spells it.
  for (const char* file : {"disc1.rtf", ".quilmo/facts/disc1.facts", ".quilmo/notes/disc1.note"})
    world.writeFile(world.dataPath() + file, "old");
  creation.setKeepFacts(false);
  const CreationResult result = creation.create("Disc1", u'E');
  EXPECT_TRUE(result.status == CreationStatus::Created && result.factsError.isEmpty()) << result.message.toStdString();
  EXPECT_FALSE(QFile::exists(world.dataPath() + ".quilmo/facts/disc1.facts"));
  EXPECT_TRUE(data("disc1.rtf").contains("a.txt"));
  EXPECT_EQ(data(".quilmo/notes/disc1.note"), "old");
}

TEST_F(CreationFixture, RegisterNameAppendsOnceAndRaisesTheNotice) {
  world.writeFile(world.dataPath() + "QM.tex", "Disc1");  // last line without its end
  ASSERT_TRUE(creation.registerName("Disc2") && creation.registerName("disc2"));
  EXPECT_EQ(data("QM.tex"), "Disc1\r\nDisc2\r\n");
  EXPECT_EQ(program.value("Changes", "NewDisc"), "True");
}

TEST_F(CreationFixture, ACreationCutOffByAKillIsFoundOnceAndARunningOneNot) {
  if (fork() == 0) _exit(CreationClaim(world.dataPath(), "Lost").acquire() ? 0 : 1);  // no destructor runs
  wait(nullptr);
  CreationClaim running(world.dataPath(), "Busy");
  ASSERT_TRUE(running.acquire());
  EXPECT_EQ(cutOffCreations(world.dataPath()), QStringList{"Lost"});
  EXPECT_EQ(cutOffCreations(world.dataPath()), QStringList());
}

TEST(NextDiscName, RaisesOnlyALastDigitBelowNine) {
  for (const QString same : {"Disc9", "Photos", ""}) EXPECT_EQ(nextDiscName(same), same);
  EXPECT_EQ(nextDiscName("Set 12"), "Set 13");
}
