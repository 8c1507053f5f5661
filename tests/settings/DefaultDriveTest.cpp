#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "settings/DefaultDrive.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(DefaultDrive, StoresTheLetterAndAsksOnlyWhenAChangedLetterConcernsListedDiscs) {
  TempWorld world;
  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  world.writeFile(world.appFolder() + "ssc.INI", "D\r\nold second line\r\n");
  EXPECT_FALSE(settings::confirmDefaultDrive(world.appFolder(), program, "F", "F", 3).askToFix);
  EXPECT_FALSE(settings::confirmDefaultDrive(world.appFolder(), program, "D", "G", 0).askToFix);
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "ssc.INI"), "G\r\n");  // found in any letter case
  EXPECT_EQ(program.value("Set Drive", "NEW Drive"), "G");
  EXPECT_TRUE(settings::confirmDefaultDrive(world.appFolder(), program, "D", "E", 3).askToFix);
}
