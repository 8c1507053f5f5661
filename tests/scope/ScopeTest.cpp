#include <gtest/gtest.h>

#include <QFileInfo>

#include "scope/ExtensionSets.h"
#include "scope/FileTypes.h"
#include "scope/ScopeFiles.h"
#include "scope/Selections.h"
#include "scope/WordList.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::scope;

TEST(Scope, StartSplitsTheSearchTextAtEveryPipe) {
  EXPECT_EQ(splitSearchWords(" a | b"), QStringList({" a ", " b"}));  // no trimming
  EXPECT_EQ(splitSearchWords(""), QStringList({""}));
}

TEST(Scope, ExtractExtensionByLength) {
  EXPECT_EQ(extractExtension("PHOTO.JPG", 4), "JPG");
  EXPECT_EQ(extractExtension("A.GZ", 4), "");
  EXPECT_EQ(extractExtension("MOVIE.MPEG", 4), "MPEG");
  EXPECT_EQ(extractExtension("README", 4), "ADME");
  EXPECT_EQ(extractExtension("README", 0), "README");
  EXPECT_EQ(extractExtension("archive.tar.gz", 0), "GZ");
  EXPECT_EQ(extractExtension("ends.", 0), "");
  EXPECT_EQ(extractExtension("x.jpeg", 3), "PEG");
  EXPECT_EQ(extractExtension("a.b", 4), "");
  EXPECT_EQ(extractExtension("photo.jpg", 4), "JPG");  // in capitals
  EXPECT_EQ(extensionLength("4"), 4);
  EXPECT_EQ(extensionLength("x"), 0);
  EXPECT_EQ(extensionLength(""), 0);
  EXPECT_EQ(settledExtensionLength(""), "4");
  EXPECT_EQ(settledExtensionLength("12"), "4");
  EXPECT_EQ(settledExtensionLength("0"), "0");
}

TEST(Scope, AFileTypeThatWouldLeaveSplit9IsRefused) {
  QStringList types;
  EXPECT_EQ(addFileType(types, ".."), AddOutcome::Refused);
  EXPECT_EQ(addFileType(types, ""), AddOutcome::Empty);
  EXPECT_TRUE(types.isEmpty());
}

TEST(Scope, ExtensionSets) {
  EXPECT_EQ(extensionSetLine({"JPG", "GIF"}), "JPG GIF ");
  EXPECT_TRUE(isNewExtensionSet("JPG GIF ", {"TXT "}));
  EXPECT_FALSE(isNewExtensionSet("jpg gif ", {"JPG GIF"}));  // as read back from the file
  EXPECT_FALSE(isNewExtensionSet("J", {}));                  // one character is not stored
  EXPECT_EQ(extensionSetWords("JPG  GIF"), QStringList({"JPG", "", "GIF"}));
  EXPECT_EQ(extensionSetWords("JPG GIF "), QStringList({"JPG", "GIF"}));
  EXPECT_EQ(rowsOfExtensionSet({"TXT", "gif", "JPG", "PNG"}, "JPG GIF"), QList<int>({1, 2}));
  EXPECT_TRUE(rowsOfExtensionSet({"TXT"}, "JPG GIF").isEmpty());
}

TEST(Scope, ListFilesAreCreatedReadFieldWiseAndRewritten) {
  test::TempWorld world;
  EXPECT_TRUE(readFileTypes(world.dataPath()).isEmpty());
  EXPECT_TRUE(QFileInfo::exists(world.dataPath() + "ExtLys.ini"));
  ASSERT_TRUE(saveFileTypesAtStart(world.dataPath(), {"JPG", "GIF"}));
  EXPECT_EQ(test::TempWorld::readFile(world.dataPath() + "ExtLys.inZ"), "JPG\r\nGIF\r\n");
  EXPECT_EQ(readFileTypes(world.dataPath()), QStringList({"JPG", "GIF"}));

  world.writeFile(world.appFolder() + "SETTE.LYS", "JPG GIF \r\njpg gif\r\nTXT,DOC\r\n");
  EXPECT_EQ(readExtensionSets(world.appFolder()), QStringList({"JPG GIF", "TXT", "DOC"}));
  ASSERT_TRUE(appendExtensionSet(world.appFolder(), "PNG "));
  EXPECT_TRUE(test::TempWorld::readFile(world.appFolder() + "SETTE.LYS").endsWith("DOC\r\nPNG \r\n"));
}

TEST(Scope, SavedSelectionsReadBackIgnoringCaseAndRefuseReservedNames) {
  test::TempWorld world;
  QStringList names;
  ASSERT_TRUE(rememberSelection(world.dataPath(), names, "Photos", {0, 2, 5}).ok);
  EXPECT_EQ(readSelection(world.dataPath(), "photos", 10), QList<int>({0, 2, 5}));
  EXPECT_EQ(readSelection(world.dataPath(), "Photos", 3), QList<int>({0, 2}));  // past the end: ignored
  EXPECT_TRUE(readSelection(world.dataPath(), "Unknown", 3).isEmpty());
  for (const char* bad : {"a/b", "ExtLys", "remsel"})  // would overwrite the lists themselves
    EXPECT_FALSE(rememberSelection(world.dataPath(), names, bad, {1}).ok) << bad;
  EXPECT_EQ(names, QStringList({"Photos"}));
  EXPECT_EQ(test::TempWorld::readFile(world.dataPath() + "ExtLys.ini"), QByteArray());
  ASSERT_TRUE(deleteSelection(world.dataPath(), names, "Photos").ok);
  EXPECT_FALSE(deleteSelection(world.dataPath(), names, "Photos").ok);
}
