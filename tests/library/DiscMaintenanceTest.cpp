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

TEST_F(DiscMaintenanceTest, RenameMovesCatalogueListEntryAndSize) {
  EXPECT_FALSE(maintenance_.rename("alpha", "Delta").refused);  // typed in other letters
  EXPECT_EQ(readDiscList(data()), QStringList({"Music", "Delta", "Zeta"}));
  EXPECT_TRUE(QFile::exists(data() + "Delta.rtf"));
  EXPECT_FALSE(QFile::exists(data() + "Alpha.rtf"));
  EXPECT_EQ(discs_.value("Delta", "Size"), "4,321");
  EXPECT_FALSE(discs_.contains("Alpha", "Size"));
  maintenance_.rename("Music", "Songs");  // no size on record: it gets 0
  EXPECT_EQ(discs_.value("Songs", "Size"), "0");
}

TEST_F(DiscMaintenanceTest, DeleteRemovesCatalogueListEntryAndSizeAndUndoBringsTheListBack) {
  EXPECT_FALSE(maintenance_.remove({"alpha", "Zeta"}).refused);
  EXPECT_EQ(readDiscList(data()), QStringList({"Music"}));
  EXPECT_FALSE(QFile::exists(data() + "Alpha.rtf") || QFile::exists(data() + "Zeta.rtf"));
  EXPECT_FALSE(discs_.contains("Alpha", "Size") || discs_.contains("Zeta", "Size"));
  EXPECT_FALSE(maintenance_.undoListChange().refused);
  EXPECT_EQ(readDiscList(data()), QStringList({"Music", "Alpha", "Zeta"}));
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
