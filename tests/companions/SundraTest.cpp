#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "library/CatalogueSplitter.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

// The split itself is CatalogueSplitterTest's; here the companion program's contract.
TEST(Sundra, SplitsTheNamedDiscAndRefusesBadArguments) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "My Disc.rtf", "\"E:\\\",\"x.pdf\"\r\n1 files :  folders\r\n");
  const SplitLaunch launch = splitLaunch(QFileInfo(SUNDRA_PROGRAM).absolutePath(), data, "My Disc");
  const auto run = [&launch](const QStringList& arguments) {
    QProcess sundra;
    sundra.start(launch.program, arguments);
    EXPECT_TRUE(sundra.waitForFinished(30000));
    return sundra.exitCode();
  };
  EXPECT_EQ(run(launch.arguments), 0);
  EXPECT_EQ(TempWorld::readFile(data + "Split-9/PDF.rtf"), "\"E:\\\",\"x.pdf\"\r\n");
  EXPECT_EQ(run({data + "Missing.rtf,Missing"}), 1);
  EXPECT_EQ(run({}), 2);
}
