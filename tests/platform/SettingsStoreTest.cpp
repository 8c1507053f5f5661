#include <gtest/gtest.h>

#include <QFile>

#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(SettingsStore, ApplicationNamesIgnoreLetterCase) {
  TempWorld world;
  SettingsStore("Quilmo 2016").setValue("Form_Load", "Def DPath", "/media/data/");
  EXPECT_EQ(SettingsStore("QUILMO 2016").value("Form_Load", "Def DPath"), QString("/media/data/"));
  EXPECT_EQ(SettingsStore::fileFor("quilmo 2016"), SettingsStore::fileFor("QUILMO 2016"));
  EXPECT_EQ(SettingsStore::fileFor("QUILMO 2016"), world.root() + "config/quilmo/quilmo-2016.conf");
  EXPECT_EQ(SettingsStore::fileFor("Quilmo"), world.root() + "config/quilmo/quilmo.conf");
  EXPECT_TRUE(QFile::exists(SettingsStore::fileFor("QUILMO 2016")));
}

TEST(SettingsStore, SectionsPerDiscWithBlanksAndSlashes) {
  TempWorld world;
  SettingsStore discs(SettingsStore::kDiscs);
  discs.setValue("Holiday 2019", "Size", "1,234");
  discs.setValue("AC/DC", "Size", "7");
  discs.setValue("TmpDrive", "SellD0", "H");
  EXPECT_EQ(discs.value("Holiday 2019", "Size"), QString("1,234"));
  EXPECT_EQ(discs.value("AC/DC", "Size"), QString("7"));
  EXPECT_EQ(discs.value("Missing", "Size", "fallback"), QString("fallback"));
  discs.removeSection("AC/DC");
  EXPECT_FALSE(discs.contains("AC/DC", "Size"));
  EXPECT_TRUE(discs.contains("Holiday 2019", "Size"));
  // Another store of the same application reads what was written.
  EXPECT_EQ(SettingsStore("quilmo").value("Holiday 2019", "Size"), QString("1,234"));
  EXPECT_FALSE(SettingsStore("QUILMO 2016").contains("Holiday 2019", "Size"));
}

TEST(SettingsStore, StoringTheSameValueLeavesTheFileAloneButSeesOtherWriters) {
  TempWorld world;
  SettingsStore mine(SettingsStore::kProgram);
  mine.setValue("Changes", "NewDisc", "True");
  const QString file = SettingsStore::fileFor(SettingsStore::kProgram);
  // A marker outside the INI syntax shows whether the file was written again.
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::Append));
  raw.write("; untouched\n");
  raw.close();
  mine.setValue("Changes", "NewDisc", "True");
  QFile check(file);
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_TRUE(check.readAll().contains("; untouched"));
  check.close();

  // Another process changes the value; setting it back must still write it.
  SettingsStore("QUILMO 2016").setValue("Changes", "NewDisc", "False");
  mine.setValue("Changes", "NewDisc", "True");
  EXPECT_EQ(SettingsStore(SettingsStore::kProgram).value("Changes", "NewDisc"), QString("True"));
}
