#include <gtest/gtest.h>

#include <functional>

#include <QDir>
#include <QFile>

#include "library/DiscListFile.h"
#include "library/DiscMaintenance.h"
#include "library/DiscNote.h"
#include "library/KeptCatalogues.h"
#include "library/LibraryLock.h"
#include "library/PendingChange.h"
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

// Discs Music, Alpha and Zeta with their catalogues; sizes for Alpha and Zeta; facts and a
// note for Alpha, a note for Zeta.
struct Library {
  Library() {
    world_.writeFile(data() + "QM.tex", "Music\r\nAlpha\r\nZeta\r\n");
    for (const char* disc : {"Music", "Alpha", "Zeta"})
      world_.writeFile(data() + disc + ".rtf", QByteArray("\"E:\\\",\"") + disc + ".txt\"\r\n1 files :  folders\r\n");
    discs_.setValue("Alpha", "Size", "4,321");
    discs_.setValue("Zeta", "Size", "7");
    world_.writeFile(data() + ".quilmo/facts/Alpha.facts", "facts of Alpha");
    world_.writeFile(data() + ".quilmo/notes/Alpha.note", "note of Alpha");
    world_.writeFile(data() + ".quilmo/notes/Zeta.note", "note of Zeta");
  }
  QString data() const { return world_.dataPath(); }
  // The side files below the hidden folder, or below the kept one: "notes/Zeta.note: note of Zeta".
  static QStringList sideFilesIn(const QString& folder) {
    QStringList found;
    for (const QString kind : {"facts/", "notes/"})
      for (const QString& file : QDir(folder + kind).entryList(QDir::Files))
        found += kind + file + ": " + TempWorld::readFile(folder + kind + file);
    return found;
  }
  QStringList sideFiles() const { return sideFilesIn(data() + ".quilmo/"); }
  QStringList keptSideFiles() const { return sideFilesIn(keptFolder(data())); }
  // What an undo must leave as it was when it is refused.
  QString state() const {
    QString all = TempWorld::readFile(data() + "QM.tex") + ';';
    for (const QString& folder : {data(), keptFolder(data())}) all += QDir(folder).entryList({"*.rtf"}).join(',') + ';';
    all += (sideFiles() + keptSideFiles()).join(',') + ';';
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

TEST_F(DiscMaintenanceTest, SideFilesGoWhereTheirCatalogueGoesAndNeverHoldItUp) {
  const QStringList before = sideFiles();
  world_.writeFile(data() + ".quilmo/notes/Delta.note", "stray");  // of no disc: replaced
  maintenance_.rename("alpha", "Delta");
  EXPECT_EQ(sideFiles(), QStringList({"facts/Delta.facts: facts of Alpha", "notes/Delta.note: note of Alpha",
                                      "notes/Zeta.note: note of Zeta"}));
  maintenance_.undoListChange();
  EXPECT_EQ(sideFiles(), before);

  EXPECT_TRUE(maintenance_.remove({"Alpha", "Zeta", "Music"}).errors.isEmpty());  // Music has none
  EXPECT_EQ(sideFiles(), QStringList());
  EXPECT_EQ(keptSideFiles(), before);
  QFile::remove(keptFolder(data()) + "facts/Alpha.facts");  // lost meanwhile: the undo goes ahead
  EXPECT_FALSE(maintenance_.undoListChange().refused);
  EXPECT_EQ(sideFiles(), QStringList({"notes/Alpha.note: note of Alpha", "notes/Zeta.note: note of Zeta"}));

  maintenance_.remove({"Zeta"});
  maintenance_.rename("Music", "Songs");
  EXPECT_EQ(keptSideFiles(), QStringList()) << "dropped with the kept catalogues";
  ASSERT_TRUE(writeNote(data(), data() + "Songs.rtf", "written since"));
  maintenance_.undoListChange();
  EXPECT_EQ(sideFiles(), QStringList({"notes/Alpha.note: note of Alpha", "notes/Music.note: written since\n"}));

  QDir(keptFolder(data()) + "notes").removeRecursively();
  world_.writeFile(keptFolder(data()) + "notes", "a file where the folder would be");
  const MaintenanceResult deleted = maintenance_.remove({"Alpha"});
  ASSERT_EQ(deleted.errors.size(), 1);
  EXPECT_TRUE(deleted.errors[0].text.contains("cannot make the folder")) << deleted.errors[0].text.toStdString();
  EXPECT_EQ(readDiscList(data()), QStringList({"Music"}));
  EXPECT_TRUE(QFile::exists(keptFolder(data()) + "Alpha.rtf"));
}

TEST_F(DiscMaintenanceTest, HostileListLinesLeadToNoDiscsSideFiles) {
  // Taken as paths, they would reach Zeta's catalogue and note.
  world_.writeFile(data() + "QM.tex", "Alpha\r\nZeta\r\n../Zeta\r\nx/Zeta\r\n");
  const QStringList before = sideFiles();
  EXPECT_EQ(maintenance_.remove({"../Zeta", "x/Zeta"}).skipped, QStringList({"../Zeta", "x/Zeta"}));
  EXPECT_EQ(sideFiles(), before);
  maintenance_.undoListChange();
  EXPECT_EQ(sideFiles() + keptSideFiles(), before);
}

TEST_F(DiscMaintenanceTest, JournalsLeftBehindAreFinishedAndLoseNoSideFile) {
  const QStringList sides = sideFiles();
  const QString journal = safetyFolder(data()) + "journal";
  // Edited by hand to move Alpha's side files onto themselves.
  world_.writeFile(journal, "quilmo journal 1\nlist\n3\nMusic\nAlpha\nZeta\nmove-sides\nAlpha.rtf\nAlpha.rtf\nend\n");
  EXPECT_TRUE(recoverLibrary(data()));
  EXPECT_EQ(sideFiles(), sides);
  // Written before side files: a rename of Alpha to Delta, killed before its catalogue moved.
  world_.writeFile(journal, "quilmo journal 1\nlist\n3\nDelta\nMusic\nZeta\nmove\nAlpha.rtf\nDelta.rtf\n"
                            "size\nDelta\n4,321\nforget\nAlpha\nend\n");
  EXPECT_TRUE(recoverLibrary(data()));
  EXPECT_EQ(readDiscList(data()), QStringList({"Delta", "Music", "Zeta"}));
  EXPECT_TRUE(QFile::exists(data() + "Delta.rtf") && !QFile::exists(data() + "Alpha.rtf") && !QFile::exists(journal));
}

TEST(DiscMaintenance, UndoThatCannotBeDoneWholeSaysWhyAndChangesNothing) {
  // A record edited to reach outside the data folder is not followed.
  const auto edit = [](const Library& l, const QByteArray& from, const QByteArray& to) {
    const QString record = safetyFolder(l.data()) + "last-change";
    l.world_.writeFile(record, TempWorld::readFile(record).replace(from, to));
  };
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
      {{"Zeta"}, {}, [&](Library& l) { edit(l, "restore\nZeta.rtf", "restore\n../Zeta.rtf"); },
       "There is no change of the disc list to undo"},
      {{"Zeta"}, {}, [&](Library& l) { edit(l, "restore-sides\nZeta.rtf", "restore-sides\nx/Zeta.rtf"); },
       "There is no change of the disc list to undo"},
      {{}, "Delta", [&](Library& l) { edit(l, "move-sides\nDelta.rtf", "move-sides\n../Delta.rtf"); },
       "There is no change of the disc list to undo"},
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
