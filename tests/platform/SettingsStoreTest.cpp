#include <gtest/gtest.h>

#include <QFile>

#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using quilmo::SettingsStore;
using quilmo::test::TempWorld;

TEST(SettingsStore, ApplicationNamesIgnoreLetterCaseAndSectionsMayHoldBlanksAndSlashes) {
  TempWorld world;
  SettingsStore("Quilmo 2016").setValue("Form_Load", "Def DPath", "/media/data/");
  EXPECT_EQ(SettingsStore("QUILMO 2016").value("Form_Load", "Def DPath"), QString("/media/data/"));
  EXPECT_EQ(SettingsStore::fileFor("quilmo 2016"), world.root() + "config/quilmo/quilmo-2016.conf");
  EXPECT_EQ(SettingsStore::fileFor("Quilmo"), world.root() + "config/quilmo/quilmo.conf");
  EXPECT_TRUE(QFile::exists(SettingsStore::fileFor("QUILMO 2016")));

  SettingsStore discs(SettingsStore::kDiscs);
  for (const char* section : {"Holiday 2019", "AC/DC"}) discs.setValue(section, "Size", "1,234");
  discs.removeSection("AC/DC");
  EXPECT_FALSE(discs.contains("AC/DC", "Size"));
  EXPECT_EQ(discs.value("Missing", "Size", "fallback"), QString("fallback"));
  // Another store of the same application reads what was written, and only that one.
  EXPECT_EQ(SettingsStore("quilmo").value("Holiday 2019", "Size"), QString("1,234"));
  EXPECT_FALSE(SettingsStore("QUILMO 2016").contains("Holiday 2019", "Size"));
}

TEST(SettingsStore, StoringTheSameValueLeavesTheFileAloneButSeesOtherWriters) {
  TempWorld world;
  SettingsStore mine(SettingsStore::kProgram);
  mine.setValue("Changes", "NewDisc", "True");
  // A marker outside the INI syntax shows whether the file was written again.
  const QString file = SettingsStore::fileFor(SettingsStore::kProgram);
  world.writeFile(file, TempWorld::readFile(file) + "; untouched\n");
  mine.setValue("Changes", "NewDisc", "True");
  EXPECT_TRUE(TempWorld::readFile(file).contains("; untouched"));
  // Another process changes the value; setting it back must still write it.
  SettingsStore("QUILMO 2016").setValue("Changes", "NewDisc", "False");
  mine.setValue("Changes", "NewDisc", "True");
  EXPECT_EQ(SettingsStore(SettingsStore::kProgram).value("Changes", "NewDisc"), QString("True"));
}
