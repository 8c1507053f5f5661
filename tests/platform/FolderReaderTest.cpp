#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>

#include "platform/FolderReader.h"
#include "support/TempWorld.h"

using namespace quilmo;

namespace {

// name -> is a folder, for every entry the reader gives; "failed" when the reader says so.
std::map<std::string, bool> entriesOf(int fd) {
  std::map<std::string, bool> seen;
  FolderReader reader;
  reader.start(fd);
  for (FolderEntry entry; reader.next(entry);) seen.emplace(std::string(entry.name), entry.isFolder);
  if (reader.failed()) seen.emplace("failed", false);
  closeFolder(fd);
  return seen;
}
std::map<std::string, bool> entriesOf(const QString& folder) { return entriesOf(openFolder(folder.toUtf8().constData())); }

}  // namespace

TEST(FolderReader, ListsEveryKindOfEntryAndOnlyRealFoldersAsFolders) {
  test::TempWorld world;
  const QString disc = world.folder("disc");
  world.writeFile(disc + "a.txt", "x");
  world.folder("disc/Sub");
  for (const auto& [target, link] : {std::pair{"Sub", "LinkToSub"}, {"Loop", "Loop"}, {"nowhere", "Dangling"}})
    ASSERT_EQ(symlink(target, (disc + link).toUtf8().constData()), 0);
  ASSERT_EQ(mkfifo((disc + "pipe").toUtf8().constData(), 0600), 0);

  const std::map<std::string, bool> expected{
      {"a.txt", false}, {"Sub", true}, {"LinkToSub", false}, {"Loop", false}, {"Dangling", false}, {"pipe", false}};
  EXPECT_EQ(entriesOf(disc), expected);
  EXPECT_EQ(entriesOf(disc.chopped(1)), expected) << "with or without the trailing separator";
}

TEST(FolderReader, FolderThatCannotBeReadYieldsNothingAndSaysSo) {
  test::TempWorld world;
  world.writeFile(world.root() + "plain.txt", "not a folder");
  const std::map<std::string, bool> failed{{"failed", false}};
  for (const QString& path : {world.root() + "missing/", world.root() + "plain.txt"})
    EXPECT_EQ(openFolder(path.toUtf8().constData()), -1) << path.toStdString();
  EXPECT_EQ(entriesOf(-1), failed);
  // Open, then removed before it is read: the system refuses to list it.
  const QString gone = world.folder("gone");
  const int fd = openFolder(gone.toUtf8().constData());
  ASSERT_GE(fd, 0);
  ASSERT_EQ(rmdir(gone.toUtf8().constData()), 0);
  EXPECT_EQ(entriesOf(fd), failed);
}
