#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>

#include "library/DiscListFile.h"
#include "library/DiscMaintenance.h"
#include "library/KeptCatalogues.h"
#include "library/LibraryLock.h"
#include "platform/SettingsStore.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::SettingsStore;
using quilmo::test::TempWorld;

TEST(DiscListFile, RewriteKeepsThePreviousListAsBackup) {
  TempWorld world;
  const QString data = world.dataPath();
  world.writeFile(data + "qm.tex", "One\r\nTwo\r\n");  // another spelling of QM.tex
  EXPECT_EQ(readDiscList(data), QStringList({"One", "Two"}));

  EXPECT_EQ(rewriteDiscList(data, {"One", "Two", "Three"}).number, 0);
  EXPECT_EQ(TempWorld::readFile(data + "qm.tex"), "One\r\nTwo\r\nThree\r\n");
  EXPECT_FALSE(QFile::exists(data + "QM.tex")) << "the folder's spelling is kept";
  EXPECT_EQ(TempWorld::readFile(data + "Qm.Tex.Bak"), "One\r\nTwo\r\n");

  EXPECT_EQ(rewriteDiscList(data, {"Three"}).number, 0);
  EXPECT_EQ(TempWorld::readFile(data + "Qm.Tex.Bak"), "One\r\nTwo\r\nThree\r\n") << "one generation only";
}

namespace {

// Discs Music, Alpha and Zeta with their catalogues; sizes for Alpha and Zeta.
struct Library {
  Library() {
    world_.writeFile(data() + "QM.tex", "Music\r\nAlpha\r\nZeta\r\n");
    for (const char* disc : {"Music", "Alpha", "Zeta"})
      world_.writeFile(data() + disc + ".rtf", QByteArray("\"E:\\\",\"") + disc + ".txt\"\r\n1 files :  folders\r\n");
    discs_.setValue("Alpha", "Size", "4,321");
    discs_.setValue("Zeta", "Size", "7");
  }
  QString data() const { return world_.dataPath(); }
  // What an undo must leave as it was when it is refused.
  QString state() const {
    QString all = TempWorld::readFile(data() + "QM.tex") + ';';
    for (const QString& folder : {data(), keptFolder(data())}) all += QDir(folder).entryList({"*.rtf"}).join(',') + ';';
    return all + discs_.value("Alpha", "Size") + ';' + discs_.value("Delta", "Size");
  }

  TempWorld world_;
  SettingsStore discs_{QString::fromLatin1(SettingsStore::kDiscs)};
  DiscMaintenance maintenance_{data(), discs_};
};

class DiscMaintenanceTest : public ::testing::Test, protected Library {};

TEST_F(DiscMaintenanceTest, RenameMovesCatalogueListEntryAndSize) {
  EXPECT_FALSE(maintenance_.rename("alpha", "Delta").refused);  // typed in other letters
  EXPECT_EQ(readDiscList(data()), QStringList({"Delta", "Music", "Zeta"}));  // sorted, as the window lists it
  EXPECT_TRUE(QFile::exists(data() + "Delta.rtf"));
  EXPECT_FALSE(QFile::exists(data() + "Alpha.rtf"));
  EXPECT_EQ(discs_.value("Delta", "Size"), "4,321");
  EXPECT_FALSE(discs_.contains("Alpha", "Size"));
  maintenance_.rename("Music", "Songs");  // no size on record: it gets 0
  EXPECT_EQ(discs_.value("Songs", "Size"), "0");
}

TEST_F(DiscMaintenanceTest, DeleteRemovesCatalogueListEntryAndSize) {
  EXPECT_FALSE(maintenance_.remove({"alpha", "Zeta"}).refused);
  EXPECT_EQ(readDiscList(data()), QStringList({"Music"}));
  EXPECT_FALSE(QFile::exists(data() + "Alpha.rtf") || QFile::exists(data() + "Zeta.rtf"));
  EXPECT_FALSE(discs_.contains("Alpha", "Size") || discs_.contains("Zeta", "Size"));
}

TEST_F(DiscMaintenanceTest, RefusedRenamesChangeNothing) {
  const QByteArray before = TempWorld::readFile(data() + "QM.tex");
  // The same name in other letters is refused without a word; the others say why.
  for (const QString& to : {QString("ALPHA"), QString(), QString("zeta"), QString("A,B"), QString(" Padded"),
                            QString("x/y"), QString(300, u'n')}) {
    const MaintenanceResult result = maintenance_.rename("Alpha", to);
    EXPECT_TRUE(result.refused) << to.toStdString();
    EXPECT_EQ(result.refusal.isEmpty(), to == "ALPHA") << to.toStdString();
  }
  EXPECT_EQ(TempWorld::readFile(data() + "QM.tex"), before);
  EXPECT_FALSE(QFile::exists(data() + "Qm.Tex.Bak"));
  EXPECT_TRUE(QFile::exists(data() + "Alpha.rtf"));
  EXPECT_EQ(discs_.value("Alpha", "Size"), "4,321");
  // A catalogue file lying in the folder without a list entry is not overwritten.
  world_.writeFile(data() + "Stray.rtf", "keep me\r\n");
  EXPECT_TRUE(maintenance_.rename("Music", "Stray").refused);
  EXPECT_EQ(TempWorld::readFile(data() + "Stray.rtf"), "keep me\r\n");
  EXPECT_TRUE(maintenance_.rename("NotThere", "New").refused);
}

TEST(DiscMaintenance, UndoThatCannotBeDoneWholeSaysWhyAndChangesNothing) {
  // What the user or another program did between the change and its undo.
  struct Case { QStringList deleted; QString renamedTo; std::function<void(Library&)> meddle; QString said; };
  const Case cases[]{
      {{"Alpha"}, {}, [](Library& l) { QFile::remove(keptFolder(l.data()) + "Alpha.rtf"); },
       "\"Alpha.rtf\" of a deleted disc is no longer kept"},
      {{"Alpha"}, {}, [](Library& l) { l.world_.writeFile(l.data() + "alpha.rtf", "new\r\n"); },
       "another file \"Alpha.rtf\""},
      {{}, "Delta", [](Library& l) { QFile::remove(l.data() + "Delta.rtf"); },
       "\"Delta.rtf\" is no longer in the data folder"},
      {{}, "Delta", [](Library& l) { l.world_.writeFile(l.data() + "Alpha.rtf", "new\r\n"); },
       "another file \"Alpha.rtf\""},
      {{"Zeta"}, {}, [](Library& l) { l.world_.writeFile(l.data() + "QM.tex", "Alpha\r\nMusic\r\nNew\r\n"); },
       "has changed since"},
      // A record edited to reach outside the data folder is not followed.
      {{"Zeta"}, {}, [](Library& l) {
         const QString record = safetyFolder(l.data()) + "last-change";
         l.world_.writeFile(record, TempWorld::readFile(record).replace("restore\nZeta.rtf", "restore\n../Zeta.rtf"));
       }, "There is no change of the disc list to undo"},
      // The next change drops what the delete kept; an undo is not undone.
      {{"Zeta"}, {}, [](Library& l) { l.maintenance_.rename("Music", "Songs"), l.maintenance_.undoListChange(); },
       "There is no change of the disc list to undo"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.said.toStdString());
    Library l;
    if (c.renamedTo.isEmpty()) l.maintenance_.remove(c.deleted);
    else l.maintenance_.rename("Alpha", c.renamedTo);
    c.meddle(l);
    const QString before = l.state();
    const MaintenanceResult result = l.maintenance_.undoListChange();
    EXPECT_TRUE(result.refused && result.refusal.contains(c.said)) << result.refusal.toStdString();
    EXPECT_EQ(l.state(), before);
  }
}

}  // namespace
