#include <gtest/gtest.h>

#include <QFile>

#include "platform/Launcher.h"
#include "support/Recorder.h"
#include "support/TempWorld.h"

using namespace quilmo;

TEST(Launcher, EachArgumentArrivesWholeWithoutAShell) {
  test::TempWorld world;
  const QString record = world.root() + "args.txt";
  const QString tricky = "a \"quoted\" $(touch " + world.root() + "pwned); rm -rf x `id`";
  const LaunchResult started = startDetached(test::writeRecorder(world.root() + "record.sh", record), {tricky, "two words", ""});
  ASSERT_TRUE(started.started) << started.error.toStdString();
  EXPECT_EQ(test::waitForRecord(record), (tricky + "\ntwo words\n\n").toUtf8());
  EXPECT_FALSE(QFile::exists(world.root() + "pwned"));

  const LaunchResult missing = startDetached(world.root() + "no-such-program", {});
  EXPECT_FALSE(missing.started);
  EXPECT_TRUE(missing.error.contains("does not exist"));
  EXPECT_EQ(commandLineText("C:\\Tools\\edit.exe", {"E:\\My Docs\\a.txt", "-n"}),
            QString("C:\\Tools\\edit.exe \"E:\\My Docs\\a.txt\" -n"));
}
