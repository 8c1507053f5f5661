#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <climits>
#include <map>
#include <set>

#include "platform/FolderReader.h"
#include "support/FolderChain.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

namespace {

// name -> is a folder, for every entry the reader gives.
std::map<std::string, bool> entriesOf(const QString& folder, bool followLink = true) {
  std::map<std::string, bool> seen;
  const int fd = openFolder(folder.toStdString().c_str(), followLink);
  FolderReader reader;
  reader.start(fd);
  FolderEntry entry;
  while (reader.next(entry)) seen.emplace(std::string(entry.name), entry.isFolder);
  closeFolder(fd);
  return seen;
}

}  // namespace

TEST(FolderReader, ListsEveryKindOfEntryAndOnlyRealFoldersAsFolders) {
  TempWorld world;
  const QString disc = world.folder("disc");
  world.writeFile(disc + "a.txt", "x");
  QDir().mkpath(disc + "Sub");
  ASSERT_EQ(symlink((disc + "Sub").toUtf8().constData(), (disc + "LinkToSub").toUtf8().constData()), 0);
  ASSERT_EQ(symlink("Loop", (disc + "Loop").toUtf8().constData()), 0);  // points at itself
  ASSERT_EQ(symlink("nowhere", (disc + "Dangling").toUtf8().constData()), 0);
  ASSERT_EQ(mkfifo((disc + "pipe").toUtf8().constData(), 0600), 0);
  const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray socketPath = (disc + "sock").toUtf8();
  ASSERT_LT(socketPath.size(), qsizetype(sizeof address.sun_path));
  std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(sock);

  const auto seen = entriesOf(disc);
  const std::map<std::string, bool> expected{{"a.txt", false},    {"Sub", true},   {"LinkToSub", false},
                                             {"Loop", false},     {"Dangling", false}, {"pipe", false},
                                             {"sock", false}};
  EXPECT_EQ(seen, expected);
  // With or without the trailing separator, the same folder.
  EXPECT_EQ(entriesOf(disc.chopped(1)), expected);
}

TEST(FolderReader, KeepsRawNameBytes) {
  TempWorld world;
  const QByteArray folder = world.folder("disc").toUtf8();
  const std::string invalid = "bad\xE2\x82name";
  // Qt cannot spell such a name, so the file is made with the system call itself.
  const int fd = open((folder.toStdString() + invalid).c_str(), O_CREAT | O_WRONLY, 0600);
  ASSERT_GE(fd, 0);
  close(fd);
  const auto seen = entriesOf(QString::fromUtf8(folder));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen.begin()->first, invalid);
  unlink((folder.toStdString() + invalid).c_str());  // the temporary folder could not remove it
}

TEST(FolderReader, FolderThatCannotBeReadYieldsNothingAndSaysSo) {
  TempWorld world;
  world.writeFile(world.root() + "plain.txt", "not a folder");
  for (const QString& path : {world.root() + "missing/", world.root() + "plain.txt"}) {
    EXPECT_EQ(openFolder(path.toStdString().c_str()), -1) << path.toStdString();
    EXPECT_TRUE(entriesOf(path).empty()) << path.toStdString();
  }
  FolderReader reader;
  FolderEntry entry;
  reader.start(-1);
  EXPECT_FALSE(reader.next(entry));
  EXPECT_TRUE(reader.failed());
  // Open, then removed before it is read: the system refuses to list it.
  const QString gone = world.folder("gone");
  const int fd = openFolder(gone.toStdString().c_str());
  ASSERT_GE(fd, 0);
  ASSERT_EQ(rmdir(gone.toStdString().c_str()), 0);
  reader.start(fd);
  EXPECT_FALSE(reader.next(entry));
  EXPECT_TRUE(reader.failed());
  closeFolder(fd);
}

TEST(FolderReader, FolderBeyondTheLongestPathOpensWholeOrRelativeButNotThroughALastLink) {
  TempWorld world;
  const std::string root = world.folder("disc").toStdString();
  const quilmo::test::FolderChain chain(root, std::string(200, 'c'), 30, "deep.txt");
  ASSERT_TRUE(chain.made());
  const std::string link = chain.path() + "/link";
  ASSERT_GT(chain.path().size(), size_t(PATH_MAX));
  const int base = openFolder(root.c_str());
  const int bottom = openFolder(chain.path().c_str(), false, base);
  ASSERT_GE(bottom, 0);
  ASSERT_EQ(symlinkat(".", bottom, "link"), 0);
  for (const std::string& path : {root + chain.path(), root + link + "/"}) {
    const auto seen = entriesOf(QString::fromStdString(path));
    EXPECT_EQ(seen, (std::map<std::string, bool>{{"deep.txt", false}, {"link", false}})) << path.size();
  }
  EXPECT_EQ(openFolder(link.c_str(), false, base), -1) << "a link is no folder";
  unlinkat(bottom, "link", 0);
  closeFolder(bottom);
  closeFolder(base);
}

TEST(FolderReader, LinkToAFolderIsOpenedOnlyWhenAsked) {
  TempWorld world;
  const QString disc = world.folder("disc");
  world.writeFile(disc + "real/a.txt", "x");
  ASSERT_EQ(symlink((disc + "real").toUtf8().constData(), (disc + "link").toUtf8().constData()), 0);
  EXPECT_EQ(entriesOf(disc + "link"), (std::map<std::string, bool>{{"a.txt", false}}));
  EXPECT_TRUE(entriesOf(disc + "link", false).empty());
  EXPECT_EQ(entriesOf(disc + "real", false).size(), 1u);
}

TEST(FolderReader, OneReaderListsFolderAfterFolderBeyondItsBuffer) {
  TempWorld world;
  const QString big = world.folder("big");
  const QString small = world.folder("small");
  // Long names, so the listing takes several buffer fills.
  const std::string padding(200, 'n');
  const int count = int(FolderReader::kBufferSize / 200) * 2;
  for (int i = 0; i < count; ++i) {
    const int fd = open((big.toStdString() + padding + std::to_string(i)).c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    close(fd);
  }
  world.writeFile(small + "only.txt", "x");
  FolderReader reader;
  FolderEntry entry;
  std::set<std::string> names;
  const int bigFd = openFolder(big.toStdString().c_str());
  reader.start(bigFd);
  while (reader.next(entry)) names.emplace(entry.name);
  closeFolder(bigFd);
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(names.size(), size_t(count)) << "each entry once";
  EXPECT_TRUE(names.count(padding + "0") && names.count(padding + std::to_string(count - 1)));
  const int smallFd = openFolder(small.toStdString().c_str());
  reader.start(smallFd);
  ASSERT_TRUE(reader.next(entry));
  EXPECT_EQ(entry.name, "only.txt");
  EXPECT_FALSE(reader.next(entry));
  closeFolder(smallFd);
}

TEST(FolderReader, FolderWithoutReadPermissionYieldsNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every folder whatever its permissions";
  TempWorld world;
  const QString locked = world.folder("locked");
  world.writeFile(locked + "secret.txt", "x");
  ASSERT_EQ(chmod(locked.toUtf8().constData(), 0), 0);
  EXPECT_TRUE(entriesOf(locked).empty());
  chmod(locked.toUtf8().constData(), 0700);
}
