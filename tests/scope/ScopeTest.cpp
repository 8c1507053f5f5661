#include <gtest/gtest.h>

#include <QFileInfo>

#include "scope/ExtensionSets.h"
#include "scope/FileTypes.h"
#include "scope/ScopeFiles.h"
#include "scope/Selections.h"
#include "scope/WordList.h"
#include "support/TempWorld.h"

using namespace quilmo::scope;
using quilmo::test::TempWorld;

TEST(Scope, StartSplitsTheSearchTextAtEveryPipe) {
  EXPECT_EQ(splitSearchWords(" a || b"), QStringList({" a ", "", " b"}));  // no trimming
  EXPECT_EQ(splitSearchWords(""), QStringList({""}));
}

TEST(Scope, FileTypesAreTakenByLengthInCapitalsAndListedOnce) {
  for (const auto& [name, length, type] :
       {std::tuple{"photo.jpg", 4, "JPG"}, {"A.GZ", 4, ""}, {"MOVIE.MPEG", 4, "MPEG"}, {"README", 4, "ADME"},
        {"x.jpeg", 3, "PEG"}, {"a.b", 4, ""}, {"README", 0, "README"}, {"archive.tar.gz", 0, "GZ"}, {"ends.", 0, ""}})
    EXPECT_EQ(extractExtension(name, length), type) << name << ", " << length;
  EXPECT_EQ(QList<int>({extensionLength("4"), extensionLength("x"), extensionLength("")}), QList<int>({4, 0, 0}));
  EXPECT_EQ(QStringList({settledExtensionLength(""), settledExtensionLength("12"), settledExtensionLength("0")}),
            QStringList({"4", "4", "0"}));

  QStringList types{"gif"};  // as a hand-edited list file may hold it
  EXPECT_EQ(addFileType(types, "Gif"), AddOutcome::Duplicate);
  EXPECT_EQ(addFileType(types, "jpg"), AddOutcome::Added);
  EXPECT_EQ(addFileType(types, ".."), AddOutcome::Refused);  // its split file would leave Split-9
  EXPECT_EQ(addFileType(types, ""), AddOutcome::Empty);
  addFileTypesOf(types, {"a.Jpg", "B.PNG", "c.GIF"}, 0);
  EXPECT_EQ(types, QStringList({"gif", "JPG", "PNG"}));
}

TEST(Scope, ExtensionSets) {
  EXPECT_EQ(extensionSetLine({"JPG", "GIF"}), "JPG GIF ");
  EXPECT_TRUE(isNewExtensionSet("JPG GIF ", {"TXT "}));
  EXPECT_FALSE(isNewExtensionSet("jpg gif ", {"JPG GIF"}));  // as read back from the file
  EXPECT_FALSE(isNewExtensionSet("J", {}));                  // one character is not stored
  EXPECT_EQ(extensionSetWords("JPG  GIF"), QStringList({"JPG", "", "GIF"}));
  EXPECT_EQ(extensionSetWords("JPG GIF "), QStringList({"JPG", "GIF"}));
  EXPECT_EQ(rowsOfExtensionSet({"TXT", "gif", "JPG", "PNG"}, "JPG GIF"), QList<int>({1, 2}));
}

TEST(Scope, ListFilesAreCreatedReadFieldWiseAndRewritten) {
  TempWorld world;
  EXPECT_TRUE(readFileTypes(world.dataPath()).isEmpty());
  EXPECT_TRUE(QFileInfo::exists(world.dataPath() + "ExtLys.ini"));
  ASSERT_TRUE(saveFileTypesAtStart(world.dataPath(), {"JPG", "GIF"}));
  EXPECT_EQ(world.readFile(world.dataPath() + "ExtLys.inZ"), "JPG\r\nGIF\r\n");
  EXPECT_EQ(readFileTypes(world.dataPath()), QStringList({"JPG", "GIF"}));

  world.writeFile(world.appFolder() + "SETTE.LYS", "JPG GIF \r\njpg gif\r\nTXT,DOC\r\n");
  EXPECT_EQ(readExtensionSets(world.appFolder()), QStringList({"JPG GIF", "TXT", "DOC"}));
  ASSERT_TRUE(appendExtensionSet(world.appFolder(), "PNG "));
  EXPECT_TRUE(world.readFile(world.appFolder() + "SETTE.LYS").endsWith("DOC\r\nPNG \r\n"));
}

TEST(Scope, SavedSelectionsReadBackIgnoringCaseAndRefuseReservedNames) {
  TempWorld world;
  QStringList names;
  ASSERT_TRUE(rememberSelection(world.dataPath(), names, "Photos", {0, 2, 5}).ok);
  EXPECT_EQ(world.readFile(world.dataPath() + "Photos.ini"), " 0 \r\n 2 \r\n 5 \r\n");
  EXPECT_EQ(readSelection(world.dataPath(), "photos", 3), QList<int>({0, 2}));  // past the end: ignored
  for (const char* bad : {"a/b", "ExtLys", "remsel", "PHOTOS", ""})  // ExtLys and RemSel: the lists themselves
    EXPECT_FALSE(rememberSelection(world.dataPath(), names, bad, {1}).ok) << bad;
  EXPECT_EQ(names, QStringList({"Photos"}));
  EXPECT_EQ(world.readFile(world.dataPath() + "RemSel.ini"), "Photos\r\n");
  ASSERT_TRUE(deleteSelection(world.dataPath(), names, "Photos").ok);
  EXPECT_FALSE(deleteSelection(world.dataPath(), names, "Photos").ok);
}
