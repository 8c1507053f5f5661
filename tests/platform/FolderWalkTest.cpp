#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <climits>
#include <deque>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/FolderWalk.h"
#include "support/FolderChain.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FolderChain;
using quilmo::test::TempWorld;

namespace {

// Each folder visited, with its entries in the order given ("d:" marks a folder).
using Visits = std::vector<std::vector<std::string>>;

std::string tagged(const FolderEntry& entry) { return (entry.isFolder ? "d:" : "f:") + std::string(entry.name); }

// A slow caller lets the listers run into their look-ahead limit now and then.
Visits walked(const std::string& root, bool slowCaller = false, size_t* unreadable = nullptr,
              FolderWalk::Opener open = openFolder) {
  Visits visits;
  FolderWalk walk(root, open);
  FolderEntry entry;
  while (walk.nextFolder()) {
    auto& entries = visits.emplace_back();
    while (walk.nextEntry(entry)) entries.push_back(tagged(entry));
    if (slowCaller && visits.size() % 40 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (unreadable) *unreadable = walk.unreadableFolders();
  return visits;
}

// The same walk, the plain way: one folder at a time, by full path.
Visits walkedOneByOne(const std::string& root) {
  Visits visits;
  std::deque<std::string> queue{root + "/"};
  FolderReader reader;
  FolderEntry entry;
  while (!queue.empty()) {
    const int fd = openFolder(queue.front().c_str());
    reader.start(fd);
    auto& entries = visits.emplace_back();
    while (reader.next(entry)) {
      entries.push_back(tagged(entry));
      if (entry.isFolder) queue.push_back(queue.front() + std::string(entry.name) + "/");
    }
    closeFolder(fd);
    queue.pop_front();
  }
  return visits;
}

void makeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0) << path;
  close(fd);
}

// Opens folders as the walk does, but a folder named "vanishing" is removed just before:
// it was listed, and is gone when its turn comes.
int openVanishing(const char* folder, bool followLink, int base) {
  if (std::string_view(folder).ends_with("vanishing")) unlinkat(base, folder, AT_REMOVEDIR);
  return openFolder(folder, followLink, base);
}

size_t openDescriptors() {
  size_t count = 0;
  DIR* fds = opendir("/proc/self/fd");
  while (readdir(fds)) ++count;
  closedir(fds);
  return count;
}

}  // namespace

TEST(FolderWalk, ReadingAheadKeepsTheBreadthFirstOrderOfAPlainWalk) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  // More folders than are listed ahead, more bytes of entries than are read ahead, and
  // one folder larger than a hand-over to the caller.
  const std::string longName(40, 'x');
  for (int top = 0; top < 12; ++top) {
    const std::string topFolder = root + "top" + std::to_string(top) + "/";
    for (int sub = 0; sub < 12; ++sub) {
      const std::string subFolder = topFolder + "sub" + std::to_string(sub) + "/";
      QDir().mkpath(QString::fromStdString(subFolder + "inner"));
      for (int file = 0; file < 100; ++file) makeFile(subFolder + longName + std::to_string(file));
    }
  }
  for (int file = 0; file < 4000; ++file) makeFile(root + "top3/" + longName + std::to_string(file));
  ASSERT_GT(12 * 12 * 100 * longName.size(), FolderWalk::kLookAhead);
  ASSERT_GT(4000 * longName.size(), FolderWalk::kHandOverBytes);
  ASSERT_GT(144u, FolderWalk::kWindow);

  const Visits plain = walkedOneByOne(root.substr(0, root.size() - 1));
  EXPECT_EQ(plain.size(), 1u + 12 + 144 + 144);
  EXPECT_EQ(walked(root), plain);
  EXPECT_EQ(walked(root, true), plain);
}

TEST(FolderWalk, LinksAreNotFollowedAndOddNamesPassAsTheyAre) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  const std::string odd = "bad\xE2\x82name";
  ASSERT_EQ(mkdir((root + odd).c_str(), 0700), 0);
  makeFile(root + odd + "/inside\xFF.txt");
  ASSERT_EQ(symlink(".", (root + odd + "/self").c_str()), 0);
  ASSERT_EQ(symlink("..", (root + odd + "/up").c_str()), 0);
  ASSERT_EQ(symlink(root.c_str(), (root + "toRoot").c_str()), 0);
  ASSERT_EQ(symlink("loop", (root + "loop").c_str()), 0);

  Visits visits = walked(root);
  ASSERT_EQ(visits.size(), 2u);
  std::sort(visits[0].begin(), visits[0].end());
  std::sort(visits[1].begin(), visits[1].end());
  EXPECT_EQ(visits[0], (std::vector<std::string>{"d:" + odd, "f:loop", "f:toRoot"}));
  EXPECT_EQ(visits[1], (std::vector<std::string>{"f:inside\xFF.txt", "f:self", "f:up"}));
  // The walk cleans up after itself: raw names that Qt cannot spell are removed by hand.
  unlink((root + odd + "/inside\xFF.txt").c_str());
  unlink((root + odd + "/self").c_str());
  unlink((root + odd + "/up").c_str());
  rmdir((root + odd).c_str());
}

TEST(FolderWalk, RootMayBeALinkButIsNotRequired) {
  TempWorld world;
  const QString disc = world.folder("disc");
  world.writeFile(disc + "a.txt", "x");
  ASSERT_EQ(symlink(disc.toUtf8().constData(), (world.root() + "drive").toUtf8().constData()), 0);
  EXPECT_EQ(walked((world.root() + "drive").toStdString()), (Visits{{"f:a.txt"}}));
}

TEST(FolderWalk, FoldersDeeperThanTheLongestPathAreWalkedToTheBottom) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  // Paths of 5,500 and 5,020 bytes below the root: many short names, and a few of the longest.
  const std::string shortName = "0123456789", longName(250, 'z');
  const FolderChain many(root, shortName, 500, "bottom.txt");
  const FolderChain few(root, longName, 20, "lowest.txt");
  ASSERT_TRUE(many.made() && few.made());
  ASSERT_GT(many.path().size(), size_t(PATH_MAX));
  ASSERT_GT(few.path().size(), size_t(PATH_MAX));
  makeFile(root + "after.txt");

  size_t unreadable = 1;
  Visits visits = walked(root, false, &unreadable);
  EXPECT_EQ(unreadable, 0u);
  ASSERT_EQ(visits.size(), 1u + 500 + 20);
  std::sort(visits[0].begin(), visits[0].end());
  EXPECT_EQ(visits[0], (std::vector<std::string>{"d:" + shortName, "d:" + longName, "f:after.txt"}));
  // Breadth first, the deepest folder comes last; every level above holds the next one.
  EXPECT_EQ(visits.back(), (std::vector<std::string>{"f:bottom.txt"}));
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"d:" + shortName}), 499);
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"d:" + longName}), 19);
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"f:lowest.txt"}), 1);
}

TEST(FolderWalk, FoldersThatCannotBeReadAreVisitedEmptyAndCounted) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  for (const char* folder : {"a/vanishing", "b/vanishing", "b/kept"}) QDir().mkpath(QString::fromStdString(root + folder));
  makeFile(root + "b/kept/file.txt");

  size_t unreadable = 0;
  Visits visits = walked(root, false, &unreadable, openVanishing);
  EXPECT_EQ(unreadable, 2u);
  ASSERT_EQ(visits.size(), 1u + 2 + 3);
  std::sort(visits.begin() + 3, visits.end());
  EXPECT_EQ(visits[3], (std::vector<std::string>{}));
  EXPECT_EQ(visits[4], (std::vector<std::string>{}));
  EXPECT_EQ(visits[5], (std::vector<std::string>{"f:file.txt"})) << "the walk goes on past them";

  EXPECT_EQ(walked(root + "missing", false, &unreadable), (Visits{{}})) << "a missing root is visited, empty";
  EXPECT_EQ(unreadable, 1u);
}

TEST(FolderWalk, LeavingAWalkEarlyStopsItsThreadsAndClosesItsFolders) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  for (int folder = 0; folder < 300; ++folder) {
    const std::string path = root + "f" + std::to_string(folder);
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    for (int file = 0; file < 30; ++file) makeFile(path + "/file number " + std::to_string(file));
  }
  const size_t before = openDescriptors();
  for (int visited = 0; visited < 3; ++visited) {
    FolderWalk walk(root);
    for (int i = 0; i < visited && walk.nextFolder(); ++i) {
    }
  }
  EXPECT_EQ(openDescriptors(), before);
}
