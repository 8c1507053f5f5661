#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <unistd.h>

#include "capture/DiscFacts.h"
#include "capture/DiscInDrive.h"
#include "capture/FactColumns.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::capture;
using quilmo::test::TempWorld;

namespace {
struct FactsFixture : ::testing::Test {
  TempWorld world;
  QString catalogue = world.dataPath() + "Photos.rtf";
  QString facts = factsPath(catalogue);
  VolumeFacts volume{"HOLIDAY %1\n2009", "0f1e-2d3c", "iso9660", 700'000'000, 0, true,
                     QDateTime(QDate(2026, 12, 6), QTime(6, 42, 3), Qt::UTC)};

  FactsFixture() { world.writeFile(catalogue, "\"E:\\\",\"a.txt\"\r\n\"E:\\\",\"b.txt\"\r\n2 files :  folders\r\n"); }
  void write(const std::vector<FileFact>& lines, qint64 folders = 0) {
    FactsWriter writer(facts, volume);
    for (const FileFact& line : lines) writer.file(line);
    QString error;
    ASSERT_TRUE(writer.close(folders, catalogue, &error)) << error.toStdString();
  }
  QByteArray written() {
    write({{12, 1'733'467'323'123'456'789}, {}});
    return TempWorld::readFile(facts);
  }
  FactsReading read() { return readFacts(facts, catalogue); }
  FactsReading summary() { return readFactsSummary(facts, catalogue); }
};
}  // namespace

TEST_F(FactsFixture, WhatIsWrittenIsReadBackInLineOrder) {
  write({{12, 1'733'467'323'123'456'789}, {}, {0, -5}}, 3);
  EXPECT_EQ(QDir(QFileInfo(facts).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Photos.facts"})
      << "no temporary file is left";
  const FactsReading reading = read();
  ASSERT_EQ(reading.state, FactsState::Read) << reading.message.toStdString();
  EXPECT_TRUE(reading.message.isEmpty());
  const VolumeFacts& v = reading.facts.volume;
  EXPECT_EQ(std::tuple(v.label, v.identity, v.fileSystem, v.capacity, v.free, v.mountPoint, v.scanned),
            std::tuple(volume.label, volume.identity, volume.fileSystem, volume.capacity, volume.free, true, volume.scanned));
  EXPECT_EQ(std::tuple(reading.facts.files, reading.facts.folders, reading.facts.bytes), std::tuple(3, 3, 12));
  EXPECT_EQ(reading.facts.lines, (std::vector<FileFact>{{12, 1'733'467'323'123'456'789}, {-1, 0}, {0, -5}}));
  const FactsReading head = summary();
  ASSERT_EQ(head.state, FactsState::Read) << head.message.toStdString();
  EXPECT_EQ(std::tuple(head.facts.volume.label, head.facts.volume.scanned, head.facts.files, head.facts.folders,
                       head.facts.bytes, head.facts.lines.size()),
            std::tuple(volume.label, volume.scanned, 3, 3, 12, size_t(0)));

  volume = VolumeFacts{"", "", "ext4", 1, 1, false, volume.scanned};
  write({});
  EXPECT_EQ(read().facts.volume.mountPoint, false);
  EXPECT_EQ(identityText(read().facts.volume), "no identity");
  EXPECT_EQ(read().facts.lines.size(), 0u);
}

TEST_F(FactsFixture, TheSummaryOfALargeSideCarReadsItsHeadAndItsEndOnly) {
  write(std::vector<FileFact>(20'000, {123'456, 1'733'467'323'123'456'789}), 7);
  const QByteArray whole = TempWorld::readFile(facts);
  ASSERT_GT(whole.size(), 200'000) << "larger than what the summary reads";
  const FactsReading head = summary();
  ASSERT_EQ(head.state, FactsState::Read) << head.message.toStdString();
  EXPECT_EQ(std::tuple(head.facts.volume.identity, head.facts.files, head.facts.folders, head.facts.bytes),
            std::tuple(volume.identity, 20'000, 7, 2'469'120'000));
  world.writeFile(facts, whole.left(whole.size() / 2));
  EXPECT_EQ(summary().state, FactsState::Truncated);
}

TEST_F(FactsFixture, FactsOfAnotherCatalogueAreStaleAndNeverApplied) {
  write({{12, 7}, {3, 8}});
  const QDateTime time = QFileInfo(catalogue).lastModified();
  {  // same size, another time
    QFile file(catalogue);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time.addSecs(-60), QFileDevice::FileModificationTime));
  }
  EXPECT_EQ(read().state, FactsState::Stale);
  EXPECT_EQ(summary().state, FactsState::Stale);
  world.writeFile(catalogue, "\"E:\\\",\"a.txt\"\r\n1 files :  folders\r\n");
  const FactsReading reading = read();
  EXPECT_EQ(reading.state, FactsState::Stale);
  EXPECT_TRUE(reading.message.contains("Photos.facts")) << reading.message.toStdString();
  EXPECT_TRUE(reading.facts.lines.empty());
  QFile::remove(catalogue);
  EXPECT_EQ(read().state, FactsState::Stale);

  FactsWriter orphan(facts, volume);
  QString error;
  EXPECT_FALSE(orphan.close(0, catalogue, &error));
  EXPECT_TRUE(error.contains("Photos.rtf")) << error.toStdString();
}

TEST_F(FactsFixture, MissingCutOffDamagedAndOtherVersionsGiveOneMessageEach) {
  // The summary skips the records, so only damage outside them is its to find.
  const auto expect = [&](FactsState state, const char* words, bool summaryToo = true) {
    for (const FactsReading& reading : {read(), summaryToo ? summary() : read()}) {
      EXPECT_EQ(reading.state, state) << TempWorld::readFile(facts).toStdString();
      EXPECT_TRUE(reading.message.contains(words)) << reading.message.toStdString();
      EXPECT_TRUE(reading.facts.lines.empty() && reading.facts.files == 0);
    }
  };
  expect(FactsState::Missing, "is missing");

  const QByteArray good = written();
  for (qsizetype cut = 0; cut < good.size(); ++cut) {
    world.writeFile(facts, good.left(cut));
    expect(FactsState::Truncated, "stops before its end");
  }

  QByteArray other = good;
  world.writeFile(facts, other.replace("quilmo facts 1\n", "quilmo facts 2\n"));
  expect(FactsState::OtherVersion, "version 2");

  const auto damaged = [&](const QByteArray& from, const QByteArray& to, const char* words, bool summaryToo = true) {
    QByteArray bytes = good;
    world.writeFile(facts, bytes.replace(from, to));
    expect(FactsState::Damaged, words, summaryToo);
  };
  damaged("quilmo facts 1\n", "{\"garbage\": true}\n", "not a facts file");
  damaged("root mount", "root cellar", "\"mount\" or \"folder\"");
  damaged("scanned 2026", "scanned x2026", "a date");
  damaged("capacity 700000000", "capacity 7e8", "a number");
  damaged("free 0", "fee 0", "\"free\" expected");
  damaged("12 1733467323123456789", "12 soon", "a file record", false);
  damaged("-\nend", "-\n4 4\nend", "the file count", false);
  damaged("bytes 12", "bytes twelve", "a number");
  world.writeFile(facts, good + "more\n");
  expect(FactsState::Damaged, "text after the end");
}

namespace {
QByteArray probed;
DeviceFacts fakeDevice(const QByteArray& device) {
  probed = device;
  return {true, "HOLIDAY", "0f1e-2d3c", "iso9660"};
}
DeviceFacts unreadableDevice(const QByteArray& device) {
  probed = device;
  return {};
}
}  // namespace

TEST(VolumeFacts, OnlyAMountPointIsProbedAndADeviceThatCannotBeReadHasNoIdentity) {
  TempWorld world;
  probed.clear();
  const QString folder = world.folder("disc");
  const VolumeFacts plain = readVolumeFacts(folder, fakeDevice);
  EXPECT_TRUE(probed.isEmpty()) << "a folder's volume is not the disc";
  EXPECT_FALSE(plain.mountPoint);
  EXPECT_EQ(std::pair(plain.label, identityText(plain)), std::pair(QString(), QString("no identity")));
  EXPECT_LE(qAbs(plain.scanned.secsTo(QDateTime::currentDateTimeUtc())), 5);

  const QStorageInfo storage(folder);
  const VolumeFacts mounted = readVolumeFacts(storage.rootPath(), fakeDevice);
  EXPECT_EQ(probed, storage.device());
  EXPECT_TRUE(mounted.mountPoint);
  EXPECT_EQ(std::tuple(mounted.label, mounted.identity, mounted.fileSystem, mounted.capacity),
            std::tuple(QString("HOLIDAY"), QString("0f1e-2d3c"), QString("iso9660"), storage.bytesTotal()));

  const VolumeFacts unread = readVolumeFacts(storage.rootPath(), unreadableDevice);
  EXPECT_EQ(std::tuple(unread.label, identityText(unread), unread.fileSystem),
            std::tuple(storage.name(), QString("no identity"), QString::fromUtf8(storage.fileSystemType())));
}

// A real volume: an ext4 image loop-mounted, where the test may mount (root, a kernel with
// loop devices); elsewhere the seam above stands in.
TEST(VolumeFacts, ALoopMountedVolumeGivesItsOwnLabelIdentityAndSizes) {
  const QString mke2fs = QStandardPaths::findExecutable("mke2fs", {"/usr/sbin", "/sbin"});
  if (geteuid() != 0 || mke2fs.isEmpty()) GTEST_SKIP() << "needs root and mke2fs";
  TempWorld world;
  const QString image = world.root() + "disc.img", mount = world.folder("mnt");
  world.writeFile(image, QByteArray(8 * 1024 * 1024, '\0'));
  ASSERT_EQ(QProcess::execute(mke2fs, {"-q", "-F", "-t", "ext4", "-L", "BACKUP 7", "-U",
                                       "7d5c3b1a-0000-4000-8000-00000000abcd", image}), 0);
  if (QProcess::execute("mount", {"-o", "loop", image, mount}) != 0) GTEST_SKIP() << "loop mounts are not allowed here";
  world.writeFile(mount + "a.txt", "12345");
  const VolumeFacts volume = readVolumeFacts(mount);
  const VolumeFacts inside = readVolumeFacts(world.folder("mnt/sub"));
  QProcess::execute("umount", {mount});
  EXPECT_TRUE(volume.mountPoint);
  EXPECT_EQ(std::tuple(volume.label, volume.identity, volume.fileSystem),
            std::tuple(QString("BACKUP 7"), QString("7d5c3b1a-0000-4000-8000-00000000abcd"), QString("ext4")));
  EXPECT_GT(volume.capacity, 4 * 1024 * 1024);
  EXPECT_GT(volume.free, 0);
  EXPECT_LT(volume.free, volume.capacity);
  EXPECT_FALSE(inside.mountPoint || !inside.identity.isEmpty()) << "a folder on the volume is not the volume";
}

TEST(FactColumns, EachFileLineGetsItsSizeAndTimeAndTheRestLineUpBehindThem) {
  const QByteArray catalogue = "\"E:\\\",\"a.txt\"\r\n\"E:\\\",\"b.iso\"\r\n\"E:\\\",\"c\"\r\n3 files :  folders\r\n";
  const qint64 december6 = 1'796'539'323'000'000'000;  // 2026-12-06 06:42:03 UTC
  const QByteArray shown = withFactColumns(catalogue, {{12, december6}, {4'700'000'000, -1}, {}}, QTimeZone::utc());
  EXPECT_EQ(shown.toStdString(),
            "           12  2026-12-06 06:42  \"E:\\\",\"a.txt\"\r\n"
            "4,700,000,000  1969-12-31 23:59  \"E:\\\",\"b.iso\"\r\n"
            "            -  -                 \"E:\\\",\"c\"\r\n"
            "                                 3 files :  folders\r\n");
  EXPECT_TRUE(withFactColumns({}, {}, QTimeZone::utc()).isEmpty());
}

namespace {
// A one-file catalogue with its side-car; the path of the side-car.
QString catalogue(const TempWorld& world, const QString& disc, const QString& identity) {
  const QString path = world.dataPath() + disc + ".rtf";
  world.writeFile(path, "\"E:\\\",\"a.txt\"\r\n1 files :  folders\r\n");
  FactsWriter writer(factsPath(path), VolumeFacts{disc, identity, "ext4", 1, 1, true, QDateTime::currentDateTimeUtc()});
  writer.file({12, 7});
  EXPECT_TRUE(writer.close(0, path));
  return factsPath(path);
}
}  // namespace

TEST(DiscInDrive, ADiscIsFoundByTheIdentityInTheHeadOfItsSideCar) {
  TempWorld world;
  const QString holiday = catalogue(world, "Holiday", "0f1e-2d3c");
  world.writeFile(holiday, TempWorld::readFile(holiday).replace("12 7\n", "twelve\n"));  // damaged after the head
  catalogue(world, "Twin", "0F1E-2D3C");
  world.writeFile(world.dataPath() + "Twin.rtf", "changed\r\n");  // stale, and still that disc
  catalogue(world, "Work", "aaaa-bbbb");
  catalogue(world, "Gone", "0f1e-2d3c");
  QFile::remove(world.dataPath() + "Gone.rtf");
  const QString broken = catalogue(world, "Broken", "0f1e-2d3c");
  world.writeFile(broken, TempWorld::readFile(broken).replace("root mount", "root cellar"));

  EXPECT_EQ(discsWithIdentity(world.dataPath(), "0f1e-2d3c"), (QStringList{"Holiday", "Twin"}));
  EXPECT_TRUE(discsWithIdentity(world.dataPath(), "").isEmpty()) << "no identity is no disc's";
  const FactsReading damaged = readFactsHead(broken);
  EXPECT_EQ(damaged.state, FactsState::Damaged);
  EXPECT_TRUE(damaged.message.contains("Broken.facts")) << damaged.message.toStdString();
}
