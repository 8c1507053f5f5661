#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <map>

#include "platform/FolderReader.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

namespace {

// name -> is a folder, for every entry the reader gives.
std::map<std::string, bool> entriesOf(const QString& folder) {
  std::map<std::string, bool> seen;
  FolderReader reader(folder.toStdString());
  FolderEntry entry;
  while (reader.next(entry)) seen.emplace(std::string(entry.name), entry.isFolder);
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

TEST(FolderReader, FolderThatCannotBeOpenedYieldsNothing) {
  TempWorld world;
  world.writeFile(world.root() + "plain.txt", "not a folder");
  for (const QString& path : {world.root() + "missing/", world.root() + "plain.txt"}) {
    FolderReader reader(path.toStdString());
    FolderEntry entry;
    EXPECT_FALSE(reader.isOpen()) << path.toStdString();
    EXPECT_FALSE(reader.next(entry)) << path.toStdString();
  }
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
