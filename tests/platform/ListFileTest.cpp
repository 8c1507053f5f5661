#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <utility>

#include "platform/DataFolder.h"
#include "platform/Folders.h"
#include "platform/ListFile.h"
#include "platform/ReplacingFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::test;

TEST(ListFile, AppendsAndRewritesWithCrLfAndReadsFieldWise) {
  TempWorld world;
  const QString path = world.dataPath() + "FTex.Lys";
  for (const char* line : {"beach", "kamera,snap"}) ASSERT_TRUE(ListFile::appendLine(path, line));
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("beach\r\nkamera,snap\r\n"));
  EXPECT_EQ(ListFile::readFields(path), (QStringList{"beach", "kamera", "snap"}));

  ASSERT_TRUE(ListFile::rewrite(path, {"één", "two"}));
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("\xC3\xA9\xC3\xA9n\r\ntwo\r\n"));
  EXPECT_EQ(ListFile::readLines(path), (QStringList{"één", "two"}));
  // Nothing of the temporary file is left beside the target.
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"FTex.Lys"});
}

// A full disk mid-write, and a temporary file left by a killed program.
TEST(ListFile, FailedRewriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
  TempWorld world;
  const QString path = world.dataPath() + "QM.tex";
  world.writeFile(path, "old\r\n");
  QString error;
  {
    const FileSizeLimit full(3);
    EXPECT_FALSE(ListFile::rewrite(path, {"new", "list"}, &error));
    EXPECT_FALSE(ListFile::appendLine(path, "more", &error));
  }
  EXPECT_TRUE(error.contains(QDir::toNativeSeparators(QDir::cleanPath(world.dataPath())))) << error.toStdString();
  EXPECT_EQ(TempWorld::readFile(path), QByteArray("old\r\n"));
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"QM.tex"});

  // Only a temporary file whose program is gone is stale; a running one's is left alone.
  world.writeFile(world.dataPath() + ".quilmo-999999999-abcdef.tmp", "dead");
  const QString mine = QStringLiteral(".quilmo-%1-abcdef.tmp").arg(QCoreApplication::applicationPid());
  world.writeFile(world.dataPath() + mine, "running");
  removeStaleTemporaryFiles(world.dataPath());
  EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files | QDir::Hidden), (QStringList{mine, "QM.tex"}));
}

// A large file written in parts is synced as it goes; what commit, cancel or a full disk
// leaves is unchanged by it.
TEST(ReplacingFile, PartsSyncedAsTheyAreWrittenEndAsOneFile) {
  TempWorld world;
  const QString path = world.dataPath() + "report.txt";
  world.writeFile(path, "old");
  enum class End { Cancel, DiskFull, Commit };
  for (const End end : {End::Cancel, End::DiskFull, End::Commit}) {
    ReplacingFile file(path);
    ASSERT_TRUE(file.open());
    std::optional<FileSizeLimit> full;
    if (end == End::DiskFull) full.emplace(10);
    bool written = true;
    for (const char* part : {"one ", "two ", "three"}) {
      written = file.write(part) && written;
      file.syncSoFar();
    }
    if (end == End::Cancel) file.cancel();
    const bool committed = end != End::Cancel && file.commit();
    full.reset();
    EXPECT_EQ(written && committed, end == End::Commit) << file.errorString().toStdString();
    EXPECT_EQ(TempWorld::readFile(path), QByteArray(end == End::Commit ? "one two three" : "old"));
    EXPECT_EQ(QDir(world.dataPath()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.txt"});
  }
}

TEST(DataFolder, ResolvesNamesWithoutRegardToCase) {
  TempWorld world;
  world.writeFile(world.dataPath() + "QM.SoC", "txt /usr/bin/xdg-open\r\n");
  EXPECT_EQ(resolveInFolder(world.dataPath(), "qm.soc"), world.dataPath() + "QM.SoC");
  EXPECT_EQ(resolveInFolder(world.dataPath(), "QM.tex"), world.dataPath() + "QM.tex");
  // Many at once: an exact spelling wins, else the entry that sorts first of those alike.
  for (const char* name : {"Élan.rtf", "élan.rtf", "Disc.rtf", "DISC.RTF", "disc.rtf"}) world.writeFile(world.dataPath() + name, "");
  EXPECT_EQ(resolveAllInFolder(world.dataPath(), {"élan.rtf", "ÉLAN.RTF", "DiSc.rtf", "disc.rtf", "none.rtf"}),
            (QStringList{world.dataPath() + "élan.rtf", world.dataPath() + "Élan.rtf", world.dataPath() + "DISC.RTF",
                         world.dataPath() + "disc.rtf", world.dataPath() + "none.rtf"}));
  EXPECT_EQ(withTrailingSeparator("/a/b") + withTrailingSeparator("/c/"), QString("/a/b//c/"));
}

// The help file: the program folder first, then beside the executable, then installed.
TEST(DataFolder, ShippedFilesAreFoundWhereTheProgramOrItsInstallationKeepsThem) {
  TempWorld world;
  const QString app = world.appFolder(), exe = world.root() + "usr/bin";  // as applicationDirPath() gives it
  const auto found = [&] { return TempWorld::readFile(shippedFile(app, exe, "AssHP.rtf")); };
  EXPECT_EQ(shippedFile(app, exe, "AssHP.rtf"), QString());
  world.writeFile(world.root() + "usr/share/quilmo/AssHP.rtf", "installed");
  EXPECT_EQ(found(), QByteArray("installed"));
  world.writeFile(exe + "/AssHP.rtf", "beside");
  EXPECT_EQ(found(), QByteArray("beside"));
  world.writeFile(app + "asshp.RTF", "own");
  EXPECT_EQ(found(), QByteArray("own"));
}

// Installed under any prefix, the program keeps its own files in $XDG_DATA_HOME/quilmo/ and
// never in the prefix; from a build folder it keeps them beside itself.
TEST(DataFolder, AnInstalledProgramKeepsItsFilesInTheUsersDataFolderWhateverThePrefix) {
  TempWorld world;
  const QByteArray oldData = qgetenv("XDG_DATA_HOME"), oldApp = qgetenv("QUILMO_APP_FOLDER");
  qunsetenv("QUILMO_APP_FOLDER");
  qunsetenv("XDG_DATA_HOME");
  const QString build = world.folder("build/bin"), prefix = world.folder("opt/q/bin");
  world.writeFile(world.root() + "opt/q/share/quilmo/AssHP.rtf", "installed");

  EXPECT_EQ(defaultAppFolder(build), build);
  EXPECT_EQ(defaultAppFolder(prefix), world.home() + ".local/share/quilmo/");
  EXPECT_TRUE(QFileInfo(world.home() + ".local/share/quilmo").isDir());
  qputenv("XDG_DATA_HOME", (world.root() + "xdg").toUtf8());
  EXPECT_EQ(defaultAppFolder(prefix), world.root() + "xdg/quilmo/");
  EXPECT_EQ(QDir(world.root() + "opt/q").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{"bin", "share"}));
  EXPECT_EQ(TempWorld::readFile(shippedFile(defaultAppFolder(prefix), prefix, "AssHP.rtf")), QByteArray("installed"));
  qputenv("QUILMO_APP_FOLDER", (world.root() + "own").toUtf8());
  EXPECT_EQ(defaultAppFolder(prefix), world.root() + "own/");

  for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", oldData}, std::pair{"QUILMO_APP_FOLDER", oldApp}})
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
}
