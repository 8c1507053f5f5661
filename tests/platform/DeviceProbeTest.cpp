#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "platform/DeviceProbe.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(DeviceProbe, ReadsLabelUuidAndTypeFromAnImageAndNothingFromWhatHoldsNoFileSystem) {
  TempWorld world;
  const QString missing = world.root() + "no-such-device";
  EXPECT_FALSE(probeDevice(QFile::encodeName(missing)).read);
  const QString zeros = world.root() + "zeros.img";
  world.writeFile(zeros, QByteArray(64 * 1024, '\0'));
  EXPECT_FALSE(probeDevice(QFile::encodeName(zeros)).read);

  const QString mke2fs = QStandardPaths::findExecutable("mke2fs", {"/usr/sbin", "/sbin"});
  if (mke2fs.isEmpty()) GTEST_SKIP() << "mke2fs (e2fsprogs) is not installed";
  const QString image = world.root() + "disc.img";
  world.writeFile(image, QByteArray(256 * 1024, '\0'));
  ASSERT_EQ(QProcess::execute(mke2fs, {"-q", "-F", "-t", "ext2", "-L", "HOLIDAY 2009", "-U",
                                       "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0", image}), 0);
  const DeviceFacts facts = probeDevice(QFile::encodeName(image));
  EXPECT_TRUE(facts.read);
  EXPECT_EQ(facts.label, "HOLIDAY 2009");
  EXPECT_EQ(facts.identity, "0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0");
  EXPECT_EQ(facts.type, "ext2");
}
