#include <gtest/gtest.h>

#include "library/DiscFolder.h"
#include "library/FileEntry.h"
#include "support/TempWorld.h"

using namespace quilmo::library;

TEST(FileEntry, TypePrefixOnlyForThreeCharacterTypes) {
  const std::pair<QString, QString> cases[] = {
      {"report.txt", "txt report.txt"}, {"SETUP.EXE", "EXE SETUP.EXE"}, {"index.html", "index.html"},
      {"Makefile", "Makefile"}, {"a.b", "a.b"}, {"archive.tar.gz", "archive.tar.gz"}, {"x.7z", "x.7z"},
      {"my file.tar.bz2", "bz2 my file.tar.bz2"},
  };
  for (const auto& [name, entry] : cases) {
    EXPECT_EQ(fileListEntry(name), entry) << name.toStdString();
    EXPECT_EQ(fileNameOfEntry(entry), name) << entry.toStdString();
  }
  // A name that only looks like an entry stays whole.
  EXPECT_EQ(fileNameOfEntry("abc def.xyz"), "abc def.xyz");
  EXPECT_EQ(typePrefixOf("txt report.txt"), "txt");
}

TEST(DiscFolder, SelectionToFolderFromTheRoot) {
  const std::pair<QString, QString> cases[] = {
      {"D:\\Photos\\beach.jpg", "\\Photos"}, {"\"E:\\DOCS\\\",\"a.txt\"", "\\DOCS"},
      {"\"E:\\\",\"AUTORUN.INF\"", ""}, {"\"E:\\A\\B, C\\\",\"Read me, first.txt\"", "\\A\\B, C"},
      {"*Holiday* \"E:\\DOCS\\Sub\\\",\"a.txt\"", "\\DOCS\\Sub"}, {"*Holiday* D:\\Photos\\beach.jpg", "\\Photos"},
      {"*TXT* \"F:\\x\\\",\"n.txt\"", "\\x"}, {"E:\\DOCS\\\",\"a.txt\"", "\\DOCS"},  // selected from the drive letter on
  };
  for (const auto& [selection, folder] : cases) EXPECT_EQ(discFolderOfSelection(selection), folder) << selection.toStdString();
  EXPECT_FALSE(discFolderOfSelection("D").has_value());
}

TEST(DiscFolder, CatalogueOfASelectionFromItsHitMarkOrTheCatalogueInView) {
  quilmo::test::TempWorld world;
  const QString data = world.dataPath(), shown = data + "Work.rtf", line = "\"E:\\DOCS\\\",\"a.txt\"";
  world.writeFile(data + "holiday.RTF", "");
  EXPECT_EQ(catalogueOfSelection("*Holiday* " + line, shown, data), data + "holiday.RTF");  // as the file is spelt
  EXPECT_EQ(catalogueOfSelection("*../Holiday* " + line, shown, data), "");  // no name leads outside
  EXPECT_EQ(catalogueOfSelection(line, shown, data), shown);
  EXPECT_EQ(catalogueOfSelection(line, "", data), "");                             // a text typed in
  EXPECT_EQ(catalogueOfSelection(line, data + "QReport/Trip.rtf", data), "");  // a saved report
}
