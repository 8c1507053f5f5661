#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/FolderWalk.h"
#include "support/FolderChain.h"
#include "support/TempWorld.h"

using namespace quilmo;

namespace {

// Each folder visited, with its entries in the order given ("d:" marks a folder).
using Visits = std::vector<std::vector<std::string>>;

std::string tagged(const FolderEntry& entry) { return (entry.isFolder ? "d:" : "f:") + std::string(entry.name); }

// A slow caller lets the listers run into their look-ahead limit now and then.
Visits walked(const std::string& root, bool slowCaller = false, size_t* unreadable = nullptr,
              FolderWalk::Opener open = openFolder) {
  Visits visits;
  FolderWalk walk(root, FolderWalk::FileStatus::Skip, open);
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
  std::deque<std::string> queue{root};
  FolderReader reader;
  FolderEntry entry;
  for (; !queue.empty(); queue.pop_front()) {
    const int fd = openFolder(queue.front().c_str());
    reader.start(fd);
    auto& entries = visits.emplace_back();
    while (reader.next(entry)) {
      entries.push_back(tagged(entry));
      if (entry.isFolder) queue.push_back(queue.front() + std::string(entry.name) + "/");
    }
    closeFolder(fd);
  }
  return visits;
}

void makeFile(const std::string& path) { ASSERT_TRUE(std::ofstream(path).is_open()) << path; }

}  // namespace

TEST(FolderWalk, ReadingAheadKeepsTheBreadthFirstOrderOfAPlainWalk) {
  test::TempWorld world;
  const std::string root = world.folder("disc").toStdString(), longName(40, 'x');
  // More folders than are listed ahead, more bytes of entries than are read ahead, and
  // one folder larger than a hand-over to the caller.
  for (int folder = 0; folder < 144; ++folder) {
    const std::string path = root + "top" + std::to_string(folder / 12) + "/sub" + std::to_string(folder % 12) + "/";
    std::filesystem::create_directories(path + "inner");
    for (int file = 0; file < 100; ++file) makeFile(path + longName + std::to_string(file));
  }
  for (int file = 0; file < 4000; ++file) makeFile(root + "top3/" + longName + std::to_string(file));
  ASSERT_GT(144 * 100 * longName.size(), FolderWalk::kLookAhead);
  ASSERT_GT(4000 * longName.size(), FolderWalk::kHandOverBytes);
  ASSERT_GT(144u, FolderWalk::kWindow);

  const Visits plain = walkedOneByOne(root);
  EXPECT_EQ(walked(root), plain);
  EXPECT_EQ(walked(root, true), plain);
}

TEST(FolderWalk, LinksAreNotFollowedButTheRootMayBeOneAndOddNamesPassAsTheyAre) {
  test::TempWorld world;
  const std::string root = world.folder("disc").toStdString(), odd = "bad\xE2\x82name";
  ASSERT_EQ(mkdir((root + odd).c_str(), 0700), 0);
  makeFile(root + odd + "/inside\xFF.txt");
  for (const auto& [target, link] : {std::pair{".", odd + "/self"}, {"..", odd + "/up"}, {"loop", "loop"}})
    ASSERT_EQ(symlink(target, (root + link).c_str()), 0);
  ASSERT_EQ(symlink(root.c_str(), (world.root() + "drive").toUtf8().constData()), 0);

  Visits visits = walked((world.root() + "drive").toStdString());
  for (auto& entries : visits) std::sort(entries.begin(), entries.end());
  EXPECT_EQ(visits, (Visits{{"d:" + odd, "f:loop"}, {"f:inside\xFF.txt", "f:self", "f:up"}}));
  std::filesystem::remove_all(root + odd);  // raw names that Qt cannot spell
}

TEST(FolderWalk, FoldersDeeperThanTheLongestPathAreWalkedToTheBottom) {
  test::TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  // Paths of 5,500 and 5,020 bytes below the root: many short names, and a few of the longest.
  const std::string shortName = "0123456789", longName(250, 'z');
  const test::FolderChain many(root, shortName, 500, "bottom.txt"), few(root, longName, 20, "lowest.txt");
  ASSERT_TRUE(many.made() && few.made());
  ASSERT_GT(std::min(many.path().size(), few.path().size()), size_t(PATH_MAX));

  size_t unreadable = 1;
  const Visits visits = walked(root, false, &unreadable);
  EXPECT_EQ(unreadable, 0u);
  ASSERT_EQ(visits.size(), 1u + 500 + 20);
  // Breadth first, the deepest folder comes last; every level above holds the next one.
  EXPECT_EQ(visits.back(), (std::vector<std::string>{"f:bottom.txt"}));
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"d:" + shortName}), 499);
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"d:" + longName}), 19);
  EXPECT_EQ(std::count(visits.begin(), visits.end(), std::vector<std::string>{"f:lowest.txt"}), 1);
}

TEST(FolderWalk, FoldersThatCannotBeReadAreVisitedEmptyAndCounted) {
  test::TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  for (const char* folder : {"a/vanishing", "b/vanishing", "b/kept"}) std::filesystem::create_directories(root + folder);
  makeFile(root + "b/kept/file.txt");
  // Listed, and removed just before its turn to be opened.
  const FolderWalk::Opener vanishing = [](const char* folder, bool followLink, int base) {
    if (std::string_view(folder).ends_with("vanishing")) unlinkat(base, folder, AT_REMOVEDIR);
    return openFolder(folder, followLink, base);
  };
  size_t unreadable = 0;
  Visits visits = walked(root, false, &unreadable, vanishing);
  EXPECT_EQ(unreadable, 2u) << "and the walk goes on past them";
  for (auto& entries : visits) std::sort(entries.begin(), entries.end());
  std::sort(visits.begin(), visits.end());
  EXPECT_EQ(visits, (Visits{{}, {}, {"d:a", "d:b"}, {"d:kept", "d:vanishing"}, {"d:vanishing"}, {"f:file.txt"}}));

  EXPECT_EQ(walked(root + "missing", false, &unreadable), (Visits{{}})) << "a missing root is visited, empty";
  EXPECT_EQ(unreadable, 1u);
}

TEST(FolderWalk, LeavingAWalkEarlyStopsItsThreadsAndClosesItsFolders) {
  test::TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  for (int folder = 0; folder < 300; ++folder) {
    std::filesystem::create_directory(root + "f" + std::to_string(folder));
    for (int file = 0; file < 30; ++file) makeFile(root + "f" + std::to_string(folder) + "/file " + std::to_string(file));
  }
  const auto openDescriptors = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
  const auto before = openDescriptors();
  for (int visited = 0; visited < 3; ++visited) {
    FolderWalk walk(root);
    for (int i = 0; i < visited && walk.nextFolder(); ++i) {
    }
  }
  EXPECT_EQ(openDescriptors(), before);
}
