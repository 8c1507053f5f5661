#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "companions/CatalogueSplitter.h"
#include "support/TempWorld.h"

using namespace quilmo::companions;
using quilmo::test::TempWorld;

namespace {

QByteArray lines(std::initializer_list<const char*> all) {
  QByteArray bytes;
  for (const char* line : all) bytes += QByteArray(line) + "\r\n";
  return bytes;
}

TEST(Splitter, SecondSplitReplacesOnlyThatDiscsLines) {
  TempWorld world;
  const QString data = world.dataPath();
  const QString split = data + "Split-9/";
  world.writeFile(data + "Zoo.rtf", lines({R"("E:\","a.v2.txt")", R"("E:\Pics\","c.jpg")", R"("E:\","Makefile")",
                                           R"("E:\Docs, old\","b, c.TXT")",
                                           R"("E:\","edited by hand./../../ESCAPED")",  // never a file name
                                           "4 files : 2 folders"}));
  world.writeFile(data + "alpha.rtf", lines({R"("F:\","d.txt")", R"("F:\","e.png")", "2 files :  folders"}));

  SplitResult result = splitCatalogue(data + "Zoo.rtf", "Zoo");
  ASSERT_TRUE(result.error.isEmpty()) << result.error.toStdString();
  EXPECT_EQ(result.types, QStringList({"JPG", "TXT"}));
  EXPECT_EQ(result.lines, 3);
  ASSERT_TRUE(splitCatalogue(data + "alpha.rtf", "alpha").error.isEmpty());

  // Discs in list order ignoring case; each disc's lines as the catalogue has them.
  EXPECT_EQ(TempWorld::readFile(split + "TXT.rtf"),
            lines({R"("F:\","d.txt")", R"("E:\","a.v2.txt")", R"("E:\Docs, old\","b, c.TXT")"}));
  EXPECT_EQ(TempWorld::readFile(split + "JPG.rtf"), lines({R"("E:\Pics\","c.jpg")"}));

  // Zoo scanned again: no pictures any more, a new text file.
  world.writeFile(data + "Zoo.rtf", lines({R"("E:\","new.txt")", "1 files :  folders"}));
  ASSERT_TRUE(splitCatalogue(data + "Zoo.rtf", "Zoo").error.isEmpty());
  EXPECT_EQ(TempWorld::readFile(split + "TXT.rtf"), lines({R"("F:\","d.txt")", R"("E:\","new.txt")"}));
  EXPECT_EQ(TempWorld::readFile(split + "PNG.rtf"), lines({R"("F:\","e.png")"}));
  EXPECT_EQ(QDir(split).entryList(QDir::Files), QStringList({"PNG.rtf", "TXT.rtf"}));
}

TEST(Splitter, RunAgainAfterACutOffSplitCompletesIt) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "Zoo.rtf", lines({R"("E:\","c.jpg")", R"("E:\","a.txt")", "2 files :  folders"}));
  ASSERT_TRUE(splitCatalogue(data + "Zoo.rtf", "Zoo").error.isEmpty());
  // Cut off after the stale JPG part was emptied, before the search file was rebuilt.
  world.writeFile(data + "Zoo.rtf", lines({R"("E:\","a.txt")", "1 files :  folders"}));
  world.writeFile(data + "Split-9/Discs/Zoo/JPG.rtf", "");
  for (const char* folder : {"Split-9/", "Split-9/Discs/Zoo/"}) world.writeFile(data + folder + ".quilmo-999999999-abcdef.tmp", "");
  ASSERT_TRUE(splitCatalogue(data + "zoo.rtf", "zoo").error.isEmpty()) << "names match ignoring case";
  EXPECT_EQ(QDir(data + "Split-9").entryList(QDir::Files | QDir::Hidden), QStringList({"TXT.rtf"}));
  EXPECT_EQ(QDir(data + "Split-9/Discs/Zoo").entryList(QDir::Files | QDir::Hidden), QStringList({"TXT.rtf"}));
  EXPECT_FALSE(QFile::exists(data + "Split-9/JPG.rtf"));
  EXPECT_EQ(TempWorld::readFile(data + "Split-9/TXT.rtf"), lines({R"("E:\","a.txt")"}));
  EXPECT_EQ(QDir(data + "Split-9/Discs").entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"Zoo"}));
}

// The launch command itself is SplitLauncherTest's; a comma in the folder splits nothing.
TEST(Splitter, ArgumentSplitsAtTheLastComma) {
  const SplitArgument arg = parseSplitArgument("/my data, old/Trip 2019.rtf,Trip 2019");
  EXPECT_EQ(arg.cataloguePath, "/my data, old/Trip 2019.rtf");
  EXPECT_EQ(arg.disc, "Trip 2019");
}

}  // namespace
