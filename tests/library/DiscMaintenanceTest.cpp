#include <gtest/gtest.h>

#include <QFile>

#include "library/DiscListFile.h"
#include "library/DiscMaintenance.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::SettingsStore;
using quilmo::test::TempWorld;

namespace {

class DiscMaintenanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world_.writeFile(data() + "QM.tex", "Music\r\nAlpha\r\nZeta\r\n");
    for (const char* disc : {"Music", "Alpha", "Zeta"})
      world_.writeFile(data() + disc + ".rtf", QByteArray("\"E:\\\",\"") + disc + ".txt\"\r\n1 files :  folders\r\n");
    discs_.setValue("Alpha", "Size", "4,321");
    discs_.setValue("Zeta", "Size", "7");
  }
  QString data() const { return world_.dataPath(); }
  QByteArray listBytes() const { return TempWorld::readFile(data() + "QM.tex"); }

  TempWorld world_;
  SettingsStore discs_{QString::fromLatin1(SettingsStore::kDiscs)};
  DiscMaintenance maintenance_{data(), discs_};
};

// The maintenance panel and CLI tests prove a rename moves catalogue, list entry and size.
TEST_F(DiscMaintenanceTest, ARenamedDiscWithoutASizeGetsZero) {
  maintenance_.rename("music", "Songs");  // typed in other letters
  EXPECT_EQ(discs_.value("Songs", "Size"), "0");
  EXPECT_EQ(readDiscList(data()), QStringList({"Songs", "Alpha", "Zeta"}));
  EXPECT_TRUE(QFile::exists(data() + "Songs.rtf"));
}

TEST_F(DiscMaintenanceTest, RefusedRenamesChangeNothing) {
  const QByteArray before = listBytes();
  struct Case {
    QString to;
    bool silent;
  };
  for (const Case& c : {Case{"ALPHA", true}, Case{"", false}, Case{"zeta", false}, Case{"A,B", false},
                        Case{" Padded", false}, Case{"x/y", false},
                        Case{QString(300, u'n'), false}}) {
    SCOPED_TRACE(c.to.toStdString());
    const MaintenanceResult result = maintenance_.rename("Alpha", c.to);
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(result.refusal.isEmpty(), c.silent);
  }
  EXPECT_EQ(listBytes(), before);
  EXPECT_FALSE(QFile::exists(data() + "Qm.Tex.Bak"));
  EXPECT_TRUE(QFile::exists(data() + "Alpha.rtf"));
  EXPECT_EQ(discs_.value("Alpha", "Size"), "4,321");
  // A catalogue file lying in the folder without a list entry is not overwritten.
  world_.writeFile(data() + "Stray.rtf", "keep me\r\n");
  EXPECT_TRUE(maintenance_.rename("Music", "Stray").refused);
  EXPECT_EQ(TempWorld::readFile(data() + "Stray.rtf"), "keep me\r\n");
  EXPECT_TRUE(maintenance_.rename("NotThere", "New").refused);
}

}  // namespace
