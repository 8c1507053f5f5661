// quilmo-cli rename and delete, on temporary folders with a settings store of their own.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "CliRun.h"
#include "support/TempWorld.h"

using quilmo::test::CliRun;
using quilmo::test::TempWorld;

namespace {

class MaintenanceCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    world_.writeFile(data() + "QM.tex", "One\r\nTwo\r\nThree\r\n");
    for (const char* disc : {"One", "Two", "Three"})
      world_.writeFile(data() + disc + ".rtf", QByteArray("\"E:\\\",\"") + disc + ".txt\"\r\n1 files :  folders\r\n");
    world_.writeFile(world_.root() + "config/quilmo/quilmo.conf", "[Two]\nSize=\"2,000\"\n\n[Three]\nSize=3\n");
  }

  CliRun cli(const QStringList& arguments) { return quilmo::test::runCli(QStringList{"--data", data()} + arguments); }

  QString data() const { return world_.dataPath(); }
  QByteArray list() const { return TempWorld::readFile(data() + "QM.tex"); }
  QSettings discs() const { return {world_.root() + "config/quilmo/quilmo.conf", QSettings::IniFormat}; }

  TempWorld world_;
};

// A rename's effects on list, backup, catalogue and sizes are proven by LibrarySafetyTest.
TEST_F(MaintenanceCommands, RefusalsAndUsageErrorsChangeNothing) {
  struct Case {
    QStringList args;
    int exit;
  };
  for (const Case& c : {Case{{"rename", "One", "THREE"}, 1}, Case{{"rename", "One", "a,b"}, 1},
                        Case{{"rename", "Nine", "Ten"}, 1}, Case{{"rename", "One", "one"}, 1},
                        Case{{"rename", "One"}, 2}, Case{{"rename", "One", ""}, 2},
                        Case{{"delete", "One", "Nine"}, 1}, Case{{"delete"}, 2}}) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CliRun run = cli(c.args);
    EXPECT_EQ(run.status, c.exit);
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_EQ(run.err.trimmed().count('\n'), c.exit == 2 ? 1 : 0) << run.err.toStdString();
    if (c.exit == 2) EXPECT_TRUE(run.err.contains("usage: quilmo-cli"));
  }
  EXPECT_EQ(list(), "One\r\nTwo\r\nThree\r\n");
  EXPECT_FALSE(QFile::exists(data() + "Qm.Tex.Bak"));
  EXPECT_TRUE(QFile::exists(data() + "One.rtf"));
}

TEST_F(MaintenanceCommands, DeleteSeveralEvenWithAMissingCatalogue) {
  QFile::remove(data() + "Three.rtf");
  const CliRun run = cli({"delete", "three", "One"});
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(list(), "Two\r\n");
  EXPECT_FALSE(QFile::exists(data() + "One.rtf"));
  EXPECT_FALSE(QFile::exists(data() + "Three.rtf"));
  EXPECT_TRUE(QFile::exists(data() + "Two.rtf"));
  EXPECT_FALSE(discs().contains("Three/Size"));
  EXPECT_EQ(discs().value("Two/Size").toString(), "2,000");
}

}  // namespace
