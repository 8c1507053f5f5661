#include <gtest/gtest.h>

#include "settings/DefaultDrive.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo::settings;
using quilmo::SettingsStore;
using quilmo::test::TempWorld;

// The panel test proves the question on a changed letter; here the cases that ask nothing.
TEST(DefaultDrive, AsksOnlyWhenAChangedLetterConcernsListedDiscs) {
  TempWorld world;
  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  world.writeFile(world.appFolder() + "ssc.INI", "D\r\nold second line\r\n");
  EXPECT_FALSE(confirmDefaultDrive(world.appFolder(), program, "F", "F", 3).askToFix);
  EXPECT_FALSE(confirmDefaultDrive(world.appFolder(), program, "D", "G", 0).askToFix);
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "ssc.INI"), "G\r\n");  // found in any letter case
  EXPECT_TRUE(confirmDefaultDrive(world.appFolder(), program, "D", "E", 3).askToFix);
}
