// quilmo-cli search, run as a program on temporary folders.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "CliRun.h"
#include "support/TempWorld.h"

using quilmo::test::TempWorld;
using Result = quilmo::test::CliRun;

namespace {

Result cli(const TempWorld& world, const QStringList& arguments) {
  return quilmo::test::runCli(QStringList{"--data", world.dataPath(), "--app", world.appFolder()} + arguments);
}

void library(const TempWorld& world) {
  world.writeFile(world.dataPath() + "QM.tex", "Holiday\r\narchive\r\n");
  world.writeFile(world.dataPath() + "Holiday.rtf",
                  "\"E:\\\",\"beach.jpg\"\r\n\"E:\\DOCS\\\",\"Beach notes.txt\"\r\n\"E:\\\",\"a_cat.txt\"\r\n"
                  "3 files : 1 folders\r\n");
  world.writeFile(world.dataPath() + "archive.rtf",
                  "\"F:\\OLD\\\",\"beach.jpg\"\r\n\"F:\\\",\"tomcat.txt\"\r\n2 files : 1 folders\r\n");
}

}  // namespace

TEST(SearchCommand, SearchesEveryDiscAndWritesTheQuickReport) {
  TempWorld world;
  library(world);
  const Result r = cli(world, {"search", "beach|cat"});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, "*archive* \"F:\\OLD\\\",\"beach.jpg\"\n*archive* \"F:\\\",\"tomcat.txt\"\n"
                   "*Holiday* \"E:\\\",\"beach.jpg\"\n*Holiday* \"E:\\DOCS\\\",\"Beach notes.txt\"\n"
                   "*Holiday* \"E:\\\",\"a_cat.txt\"\n");
  EXPECT_EQ(r.err, "Finished searching: There are 5 links\n");
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "QReport.rtf"), QString(r.out).replace("\n", "\r\n").toUtf8());
}

TEST(SearchCommand, ListedDiscsWithoutACatalogueAreNamedOnStandardError) {
  TempWorld world;
  library(world);
  world.writeFile(world.dataPath() + "QM.tex", "Holiday\r\nDisc7\r\narchive\r\nDisc3\r\n");
  const Result all = cli(world, {"search", "tomcat"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(all.out, "*archive* \"F:\\\",\"tomcat.txt\"\n");
  EXPECT_EQ(all.err, "Finished searching: There are 1 links; 2 listed discs have no catalogue: Disc3, Disc7\n");
  EXPECT_EQ(cli(world, {"search", "--disc", "disc7", "--disc", "Holiday", "tomcat"}).err,
            "Finished searching: There are 0 links; 1 listed disc has no catalogue: Disc7\n");
}

TEST(SearchCommand, OptionsDiscsAndTypes) {
  TempWorld world;
  library(world);
  EXPECT_EQ(cli(world, {"search", "--word", "cat"}).out, "*Holiday* \"E:\\\",\"a_cat.txt\"\n");
  EXPECT_EQ(cli(world, {"search", "--case", "Beach"}).out, "*Holiday* \"E:\\DOCS\\\",\"Beach notes.txt\"\n");
  EXPECT_EQ(cli(world, {"search", "--names", "beach"}).out,
            "*archive* \"F:\\OLD\\\",\"beach.jpg\"\n*Holiday* \"E:\\DOCS\\\",\"Beach notes.txt\"\n");
  EXPECT_EQ(cli(world, {"search", "--disc", "HOLIDAY", "tomcat|files"}).out, "*Holiday* 3 files : 1 folders\n");

  world.writeFile(world.dataPath() + "Split-9/JPG.rtf", "\"E:\\\",\"beach.jpg\"\r\n");
  const Result split = cli(world, {"search", "--type", "jpg", "--type", "gif", "beach"});
  EXPECT_EQ(split.status, 0);
  EXPECT_EQ(split.out, "*JPG* \"E:\\\",\"beach.jpg\"\n");
  EXPECT_EQ(split.err, "Finished searching: There are 1 links\n");
}

TEST(SearchCommand, BadInputIsRefusedAndChangesNothing) {
  TempWorld world;
  library(world);
  world.writeFile(world.appFolder() + "QReport.rtf", "old report\r\n");
  for (const QStringList& args : {QStringList{"search"}, QStringList{"search", "--colour", "x"},
                                  QStringList{"search", "a", "b"}, QStringList{"search", "--disc"},
                                  QStringList{"search", "--type", "../x", "a"}, QStringList{"search", ""}}) {
    const Result r = cli(world, args);
    EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.contains("usage: quilmo-cli")) << r.err.toStdString();
  }
  const Result unknown = cli(world, {"search", "--disc", "Nowhere", "beach"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err.count('\n'), 1);
  EXPECT_TRUE(unknown.err.contains("Nowhere"));
  EXPECT_EQ(TempWorld::readFile(world.appFolder() + "QReport.rtf"), "old report\r\n");
}

TEST(SearchCommand, AnEmptyLibraryGivesAnEmptyReport) {
  TempWorld world;
  const Result r = cli(world, {"search", "beach"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_EQ(r.err, "Finished searching: There are 0 links\n");
  EXPECT_TRUE(QFileInfo::exists(world.appFolder() + "QReport.rtf"));
  EXPECT_FALSE(QFileInfo::exists(world.dataPath() + "QM.tex"));  // the search only reads
}
