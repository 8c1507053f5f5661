#include <gtest/gtest.h>

#include "library/DefaultDrive.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::SettingsStore;
using quilmo::test::TempWorld;

TEST(DefaultDrive, StoresTheLetterAndAsksOnlyWhenItChangesListedDiscs) {
  TempWorld world;
  SettingsStore program(QString::fromLatin1(SettingsStore::kProgram));
  world.writeFile(world.appFolder() + "ssc.INI", "D\r\nold second line\r\n");

  DriveConfirmation result = confirmDefaultDrive(world.appFolder(), program, "D", "E", 3);
  EXPECT_EQ(result.error.number, 0);
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "ssc.INI"), "E\r\n");
  EXPECT_EQ(program.value("Set Drive", "NEW Drive"), "E");
  EXPECT_TRUE(result.askToFix);
  EXPECT_EQ(result.title, "Drive Info changed: FiX or NOT?");
  EXPECT_TRUE(result.question.startsWith("The previous drive letter was D and was changed to E\n\nDo you want"));

  EXPECT_FALSE(confirmDefaultDrive(world.appFolder(), program, "", "F", 3).askToFix);
  EXPECT_FALSE(confirmDefaultDrive(world.appFolder(), program, "F", "F", 3).askToFix);
  EXPECT_FALSE(confirmDefaultDrive(world.appFolder(), program, "D", "G", 0).askToFix);
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "ssc.INI"), "G\r\n");
}
