#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <map>

#include "platform/FolderReader.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

namespace {

// name -> is a folder, for every entry the reader gives.
std::map<std::string, bool> entriesOf(const QString& folder) {
  std::map<std::string, bool> seen;
  const int fd = openFolder(folder.toStdString().c_str());
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
