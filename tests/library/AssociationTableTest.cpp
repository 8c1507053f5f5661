#include <gtest/gtest.h>

#include "library/AssociationTable.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

TEST(AssociationTable, LookupTakesFirstSortedMatchIgnoringCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "qm.SOC", "txt C:\\Tools\\z.exe\r\nJPG /usr/bin/viewer\r\nTXT C:\\Tools\\edit.exe\r\n");
  const AssociationTable table(world.dataPath());
  EXPECT_EQ(table.lines(), QStringList({"JPG /usr/bin/viewer", "TXT C:\\Tools\\edit.exe", "txt C:\\Tools\\z.exe"}));
  EXPECT_EQ(table.programFor("txt"), "C:\\Tools\\edit.exe");
  EXPECT_EQ(table.programFor("Jpg"), "/usr/bin/viewer");
  EXPECT_TRUE(table.programFor("pdf").isEmpty());
}

TEST(AssociationTable, LineNeedsATypeABlankAProgramAndNoComma) {
  EXPECT_TRUE(whyAssociationLineIsRefused("txt /usr/bin/xdg-open").isEmpty());
  EXPECT_TRUE(whyAssociationLineIsRefused("TXT C:\\Tools\\edit.exe").isEmpty());
  for (const char* bad : {"txt", "txt   ", "notepad.exe", "tx /bin/ed", "txt /opt/a,b/ed"})
    EXPECT_FALSE(whyAssociationLineIsRefused(QString::fromLatin1(bad)).isEmpty()) << bad;
}
