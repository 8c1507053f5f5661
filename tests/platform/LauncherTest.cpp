#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "platform/Launcher.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

namespace {

// Waits for the detached program to write its record.
QByteArray waitForFile(const QString& path) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 10000) {
    const QByteArray bytes = TempWorld::readFile(path);
    if (bytes.endsWith("<end>\n")) return bytes;
    QThread::msleep(20);
  }
  return {};
}

}  // namespace

TEST(Launcher, EachArgumentArrivesWholeWithoutAShell) {
  TempWorld world;
  const QString record = world.root() + "args.txt";
  const QString script = world.root() + "record.sh";
  world.writeFile(script, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$RECORD.part\"\n"
                          "echo '<end>' >> \"$RECORD.part\"\nmv \"$RECORD.part\" \"$RECORD\"\n");
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("RECORD", record.toUtf8());
  const QString tricky = "a \"quoted\" $(touch " + world.root() + "pwned); rm -rf x `id`";
  const LaunchResult started = startDetached(script, {tricky, "two words", ""});
  ASSERT_TRUE(started.started) << started.error.toStdString();
  EXPECT_EQ(waitForFile(record), ("[" + tricky + "]\n[two words]\n[]\n<end>\n").toUtf8());
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
