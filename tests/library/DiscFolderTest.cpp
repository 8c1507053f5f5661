#include <gtest/gtest.h>

#include <QDir>

#include "library/DiscFolder.h"
#include "library/FileEntry.h"
#include "library/PastedPath.h"
#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::DriveMap;
using quilmo::SettingsStore;
using quilmo::test::TempWorld;

TEST(FileEntry, TypePrefixOnlyForThreeCharacterTypes) {
  const std::pair<QString, QString> cases[] = {
      {"report.txt", "txt report.txt"}, {"setup.exe", "exe setup.exe"}, {"SETUP.EXE", "EXE SETUP.EXE"},
      {"index.html", "index.html"},     {"Makefile", "Makefile"},       {"a.b", "a.b"},
      {"archive.tar.gz", "archive.tar.gz"}, {"my file.tar.bz2", "bz2 my file.tar.bz2"}, {"x.7z", "x.7z"}, {"old.tar.bak", "bak old.tar.bak"},
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
      {"D:\\Photos\\beach.jpg", "\\Photos"},
      {"\"E:\\DOCS\\\",\"a.txt\"", "\\DOCS"},
      {"\"E:\\\",\"AUTORUN.INF\"", ""},
      {"\"E:\\A\\B, C\\\",\"Read me, first.txt\"", "\\A\\B, C"},
      {"*Holiday* \"E:\\DOCS\\Sub\\\",\"a.txt\"", "\\DOCS\\Sub"},
      {"*Holiday* D:\\Photos\\beach.jpg", "\\Photos"},
      {"*TXT* \"F:\\x\\\",\"n.txt\"", "\\x"},
      {"E:\\DOCS\\\",\"a.txt\"", "\\DOCS"},  // selected from the drive letter on
  };
  for (const auto& [selection, folder] : cases) EXPECT_EQ(discFolderOfSelection(selection), folder) << selection.toStdString();
  EXPECT_FALSE(discFolderOfSelection("D").has_value());
}

class DriveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disc_ = world_.folder("disc");
    world_.writeFile(disc_ + "Photos/beach.jpg", "x");
    world_.writeFile(disc_ + "Photos/Notes.txt", "x");
    world_.writeFile(disc_ + "Photos/ABC.txt", "x");
    world_.writeFile(disc_ + "Photos/README", "x");
    QDir().mkpath(disc_ + "Photos/Sub");
    drives_.overrideForRun(u'E', disc_);
  }
  TempWorld world_;
  SettingsStore store_{QString::fromLatin1(SettingsStore::kProgram)};
  DriveMap drives_{store_};
  QString disc_;
};

TEST_F(DriveTest, OpeningTheFolderTellsNoDiscFromWrongDisc) {
  DiscFolder folder = openDiscFolder(drives_, u'e', "\\Photos");
  EXPECT_EQ(folder.errorNumber, 0);
  EXPECT_EQ(folder.browseFolder, "E:\\Photos\\");
  EXPECT_EQ(folder.nativeFolder, QDir::toNativeSeparators(disc_ + "Photos/"));
  EXPECT_EQ(folder.entries, QStringList({"jpg beach.jpg", "README", "txt ABC.txt", "txt Notes.txt"}));

  folder = openDiscFolder(drives_, u'E', "\\Elsewhere");
  EXPECT_EQ(folder.errorNumber, 76);
  EXPECT_EQ(folder.heading, "Wrong Disc");
  EXPECT_TRUE(folder.entries.isEmpty());

  folder = openDiscFolder(drives_, u'Q', "\\Photos");
  EXPECT_EQ(folder.errorNumber, 68);
  EXPECT_EQ(folder.heading, "Drive ERROR");
  EXPECT_EQ(folder.message, "There is no disc in the drive!");
}

TEST_F(DriveTest, PastedPathIsCutBackToAnExistingFolder) {
  PastedFolder pasted = findPastedFolder(drives_, "E:\\Photos\\Gone\\Deeper");
  EXPECT_TRUE(pasted.found);
  EXPECT_EQ(pasted.text, "E:\\Photos");
  EXPECT_EQ(pasted.nativeFolder, QDir::toNativeSeparators(disc_ + "Photos/"));

  pasted = findPastedFolder(drives_, disc_ + "Photos/Sub/none");
  EXPECT_TRUE(pasted.found);
  EXPECT_EQ(pasted.text, disc_ + "Photos/Sub");

  EXPECT_FALSE(findPastedFolder(drives_, "Q:\\Tools\\x").found) << "no disc behind the letter";
  pasted = findPastedFolder(drives_, "nothing here");
  EXPECT_FALSE(pasted.found);
  EXPECT_TRUE(pasted.nativeFolder.isEmpty());
}
