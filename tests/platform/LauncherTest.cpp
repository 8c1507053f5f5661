#include <gtest/gtest.h>

#include <QFile>

#include "platform/Launcher.h"
#include "support/Recorder.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(Launcher, EachArgumentArrivesWholeWithoutAShell) {
  TempWorld world;
  const QString record = world.root() + "args.txt";
  const QString program = test::writeRecorder(world.root() + "record.sh", record);
  const QString tricky = "a \"quoted\" $(touch " + world.root() + "pwned); rm -rf x `id`";
  const LaunchResult started = startDetached(program, {tricky, "two words", ""});
  ASSERT_TRUE(started.started) << started.error.toStdString();
  EXPECT_EQ(test::waitForRecord(record), (tricky + "\ntwo words\n\n").toUtf8());
  EXPECT_FALSE(QFile::exists(world.root() + "pwned"));
}

TEST(Launcher, MissingProgramSaysSo) {
  TempWorld world;
  const LaunchResult result = startDetached(world.root() + "no-such-program", {});
  EXPECT_FALSE(result.started);
  EXPECT_TRUE(result.error.contains("does not exist"));
  EXPECT_EQ(commandLineText("C:\\Tools\\edit.exe", {"E:\\My Docs\\a.txt", "-n"}),
            QString("C:\\Tools\\edit.exe \"E:\\My Docs\\a.txt\" -n"));
}
