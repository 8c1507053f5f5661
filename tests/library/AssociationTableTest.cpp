#include <gtest/gtest.h>

#include <QFile>

#include "library/AssociationTable.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

namespace {

QStringList lines(const QString& path) {
  return QString::fromUtf8(TempWorld::readFile(path)).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

TEST(AssociationTable, LookupTakesFirstSortedMatchIgnoringCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "qm.SOC", "txt C:\\Tools\\z.exe\r\nJPG /usr/bin/viewer\r\nTXT C:\\Tools\\edit.exe\r\n");
  const AssociationTable table(world.dataPath());
  EXPECT_EQ(table.lines(), QStringList({"JPG /usr/bin/viewer", "TXT C:\\Tools\\edit.exe", "txt C:\\Tools\\z.exe"}));
  EXPECT_EQ(table.programFor("txt"), "C:\\Tools\\edit.exe");
  EXPECT_EQ(table.programFor("Jpg"), "/usr/bin/viewer");
  EXPECT_TRUE(table.programFor("pdf").isEmpty());
}

TEST(AssociationTable, EditsAndDeletionsSurviveAReload) {
  TempWorld world;
  const QString data = world.dataPath();
  {
    AssociationTable table(data);
    EXPECT_TRUE(QFile::exists(data + "QM.mmd"));
    table.select("txt", "/usr/bin/gedit");
    table.select("pdf", "xdg-open");
    const int jpg = table.select("jpg", "/usr/bin/eog");
    EXPECT_EQ(lines(data + "QM.soc"), QStringList({"txt /usr/bin/gedit", "pdf xdg-open", "jpg /usr/bin/eog"}));

    EXPECT_EQ(table.edit(jpg, "jpg /usr/bin/gimp").number, 0);
    EXPECT_EQ(table.edit(0, "").number, 0);  // an empty line changes nothing
    EXPECT_EQ(table.remove(table.lines().indexOf("txt /usr/bin/gedit")).number, 0);
    EXPECT_EQ(table.lastDeleted(), "txt /usr/bin/gedit");
    EXPECT_EQ(lines(data + "QM.mmd"), table.lines());
  }
  const AssociationTable reloaded(data);
  EXPECT_EQ(reloaded.lines(), QStringList({"jpg /usr/bin/gimp", "pdf xdg-open"}));
  EXPECT_TRUE(reloaded.programFor("txt").isEmpty());
}

TEST(AssociationTable, TypeIsNotedOnceIgnoringCase) {
  TempWorld world;
  const QString data = world.dataPath();
  {
    AssociationTable table(data);
    table.noteType("txt");
    table.noteType("TXT");
    table.noteType("jpg");
    EXPECT_EQ(table.types(), QStringList({"jpg", "txt"}));
  }
  EXPECT_EQ(lines(data + "QM.EXL"), QStringList({"txt", "jpg"}));
  EXPECT_EQ(AssociationTable(data).types(), QStringList({"jpg", "txt"}));
}
