// The library survives what a hostile world does to it: a kill at any step of a change, several
// programs at once, a full disk and disc-list lines that point outside the data folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <list>

#include <QDir>
#include <QDirIterator>
#include <QSettings>

#include "CliRun.h"
#include "capture/CreationClaim.h"
#include "library/LibraryLock.h"
#include "support/FileSizeLimit.h"

using namespace quilmo::test;

namespace {

// Discs A and B, and a size for A. A catalogue holds one file named after its disc's first
// letter, so that a renamed disc (A2) keeps its catalogue and no two discs share one; so do
// their side files: facts and a note for A, a note for B.
struct Library : CliWorld {
  Library() {
    writeFile(dataPath() + "QM.tex", "A\r\nB\r\n");
    for (const char* disc : {"A", "B"}) writeFile(dataPath() + disc + ".rtf", catalogueOf(disc));
    writeFile(root() + "config/quilmo/quilmo.conf", "[A]\nSize=5\n");
    for (const QString& side : sidesOf({"A", "B"}))
      writeFile(dataPath() + ".quilmo/" + side.section(' ', 0, 0), side.section(' ', 1).toUtf8());
  }
  // Side files as "notes/A2.note a": facts and a note for A, a note for B, holding the first letter.
  static QStringList sidesOf(const QStringList& discs) {
    QStringList sides;
    for (const QString& disc : discs) {
      if (disc.startsWith('A')) sides << "facts/" + disc + ".facts a";
      if (disc.startsWith('A') || disc.startsWith('B')) sides << "notes/" + disc + ".note " + disc.first(1).toLower();
    }
    sides.sort();
    return sides;
  }
  QStringList sidesIn(const QString& folder) const {  // a created disc N's own facts left out
    QStringList found;
    for (const QString kind : {"facts/", "notes/"})
      for (const QString& file : QDir(folder + kind).entryList(QDir::Files))
        if (file != "N.facts") found += kind + file + ' ' + readFile(folder + kind + file);
    return found;
  }
  QStringList sides() const { return sidesIn(dataPath() + ".quilmo/"); }
  static QByteArray catalogueOf(const QString& disc) {
    return "\"E:\\\",\"" + disc.first(1).toLower().toUtf8() + ".txt\"\r\n1 files :  folders\r\n";
  }
  QString drive(const QString& name) const {  // a drive E of its own for disc NAME
    writeFile(root() + "discs/" + name + "/" + name.first(1).toLower() + ".txt", "x");
    return "E=" + root() + "discs/" + name;
  }
  QStringList listed() const { return QString::fromUtf8(data("QM.tex")).split("\r\n", Qt::SkipEmptyParts); }
  QStringList sized() const { return QSettings(root() + "config/quilmo/quilmo.conf", QSettings::IniFormat).childGroups(); }
  bool whole(const QStringList& discs) const {
    return std::ranges::all_of(discs, [this](const QString& d) { return data(d + ".rtf") == catalogueOf(d); });
  }
  qsizetype catalogues() const { return QDir(dataPath()).entryList({"*.rtf"}).size(); }
  bool keptWhole() const {  // the catalogues and side files a delete keeps for its undo
    return std::ranges::all_of(QDir(dataPath() + ".quilmo/kept").entryList(QDir::Files), [this](const QString& file) {
      return data(".quilmo/kept/" + file) == catalogueOf(file.chopped(4));
    }) && std::ranges::all_of(sidesIn(dataPath() + ".quilmo/kept/"), [](const QString& side) {
      return sidesOf({"A", "B"}).contains(side);
    });
  }
  bool temporaryFilesLeft() const {
    return QDirIterator(dataPath(), {".quilmo-*"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories).hasNext();
  }
};

TEST(LibrarySafety, AKillAtAnyStepLeavesALibraryThatReadsAndARetryFinishes) {
  // setup runs whole; then the change, killed at each step in turn; then an undo.
  struct Change { QStringList setup, arguments, after, sized, undone; };
  const QStringList ab{"A", "B"};
  for (const Change& change :
       {Change{{}, {"rename", "a", "A2"}, {"A2", "B"}, {"A2"}, ab}, Change{{}, {"delete", "A", "b"}, {}, {}, ab},
        Change{{}, {"create", "N", "--drive-letter", "E"}, {"A", "B", "N"}, {"A"}, {"A", "B", "N"}},
        Change{{"rename", "a", "A2"}, {"undo"}, ab, {"A"}, ab},
        Change{{"delete", "A", "b"}, {"undo"}, ab, {"A"}, ab}}) {
    int step = 0;
    for (bool killed = true; killed;) {  // until a run passes every step
      SCOPED_TRACE(change.arguments.join(' ').toStdString() + ", killed at step " + std::to_string(++step));
      const Library library;
      ASSERT_TRUE(change.setup.isEmpty() || library.cli(change.setup).status == 0);
      const QStringList before = library.listed();
      const QStringList arguments = QStringList{"--drive", library.drive("N")} + change.arguments;
      qputenv("QUILMO_CRASH_AT_STEP", QByteArray::number(step));
      killed = library.cli(arguments).status == -1;
      qunsetenv("QUILMO_CRASH_AT_STEP");
      if (killed) {
        // Whatever opens the library next sees the old library or the new one, whole.
        ASSERT_EQ(library.cli({"list"}).status, 0);
        const QStringList found = library.listed();
        ASSERT_TRUE(found == before || found == change.after) << found.join(',').toStdString();
        EXPECT_TRUE(library.whole(found) && library.keptWhole() && !library.temporaryFilesLeft())
            << "and with no temporary file left";
        EXPECT_EQ(library.sides(), Library::sidesOf(found));
        if (found != change.after) library.cli(arguments);  // the retry
      }
      EXPECT_EQ(library.listed(), change.after);
      EXPECT_TRUE(library.whole(change.after) && library.catalogues() == change.after.size());
      EXPECT_EQ(library.sides(), Library::sidesOf(change.after));
      EXPECT_EQ(library.sized(), change.sized);
      EXPECT_TRUE(library.keptWhole());
      // The change can be undone once, whether or not a kill cut it; a new disc or an undo cannot.
      EXPECT_EQ(library.cli({"undo"}).status, change.undone == change.after ? 1 : 0);
      EXPECT_EQ(library.listed(), change.undone);
      EXPECT_TRUE(library.whole(change.undone) && library.catalogues() == change.undone.size());
      EXPECT_EQ(library.sides(), Library::sidesOf(change.undone));
      EXPECT_EQ(library.sidesIn(library.dataPath() + ".quilmo/kept/"), QStringList()) << "an undo keeps nothing";
    }
    EXPECT_GT(step, 4) << "too few steps to prove anything";
  }
}

TEST(LibrarySafety, ProgramsAtOnceLoseNoNameAndMixNoCatalogues) {
  const Library library;
  const QStringList created{"N", "O", "P", "Q", "R", "S"};
  QList<QStringList> runs{{"rename", "A", "A2"}, {"rename", "B", "B2"}};
  for (const QString& name : created)
    runs += {"--app", library.folder(name), "--drive", library.drive(name), "create", name, "--drive-letter", "E"};
  std::list<QProcess> programs;
  for (const QStringList& arguments : runs) library.start(programs.emplace_back(), arguments);
  for (QProcess& program : programs)
    EXPECT_TRUE(program.waitForFinished(60000) && program.exitCode() == 0) << program.readAllStandardError().data();
  const QStringList found = library.listed();
  EXPECT_TRUE(std::ranges::is_permutation(found, QStringList({"A2", "B2"}) + created)) << found.join(',').toStdString();
  // A library another program holds longer than one waits, and a name being created, are refused.
  quilmo::library::LibraryLock holder(library.dataPath());
  quilmo::capture::CreationClaim creating(library.dataPath(), "Busy");
  ASSERT_TRUE(holder.acquire() && creating.acquire());
  const CliRun locked = library.cli({"rename", "A2", "C"});
  const CliRun claimed = library.cli({"--drive", library.drive("Busy"), "create", "busy", "--drive-letter", "E"});
  EXPECT_TRUE(locked.status == 1 && locked.err.contains("Another Quilmo program is changing the library"))
      << locked.err.toStdString();
  EXPECT_TRUE(claimed.status == 1 && claimed.err.contains("being created by another")) << claimed.err.toStdString();
  EXPECT_TRUE(library.whole(found) && library.catalogues() == 8) << "no catalogue mixed, and the refused changed none";
}

TEST(LibrarySafety, EachRefusalSaysWhyInOneLineAndChangesNothingAsDoAFullDiskAndHostileListLines) {
  const Library library;
  const QString outside = library.folder("outside");
  for (const QString& file : {outside + "victim.rtf", library.dataPath() + "a/b.rtf"}) library.writeFile(file, "SECRET\r\n");
  library.writeFile(library.appFolder() + "QReport.rtf", "old report\r\n");
  const QStringList hostile{"../outside/victim", outside + "victim", "a/b", "", "\x1b[31mred"};
  QByteArray discs;  // a disc list that does not fit where a catalogue does
  for (int i = 0; i < 200; ++i) discs += "Disc" + QByteArray::number(i).rightJustified(3, '0') + "\r\n";
  const QByteArray list = "A\r\n" + hostile.join("\r\n").toUtf8() + "\r\nB\r\n" + discs;
  library.writeFile(library.dataPath() + "QM.tex", list);
  struct Case { QStringList arguments; int status; QString text = {}; rlim_t room = RLIM_INFINITY; };  // 2: usage
  std::vector<Case> cases{
      {{"help", "create"}, 0, " create [--drive-letter L] [--no-facts] [--quiet] NAME\n"}, {{"create", "--help"}, 0, "\n  --drive-letter L  "},
      {{}, 2}, {{"nonsense"}, 2}, {{"help", "nonsense"}, 2}, {{"list", "x"}, 2}, {{"delete"}, 2}, {{"search", ""}, 2},
      {{"show", "--x", "A"}, 2, "quilmo-cli: unknown option --x\n"}, {{"create", "A"}, 2, "no CD/DVD"},
      {{"create", "A", "--drive-letter"}, 2}, {{"create", "A", "--drive-letter", "EF"}, 2}, {{"rename", "A", ""}, 2},
      {{"search", "--type", "../x", "a"}, 2}, {{"create", "a,b", "--drive-letter", "E"}, 1}, {{"show", "Nothing"}, 1},
      {{"create", "G", "--drive-letter", "G"}, 3, "G:"}, {{"show", "--", "--x"}, 1}, {{"rename", "A", "b"}, 1},
      {{"rename", "A", "a"}, 1, "the same name"}, {{"delete", "A", "N9"}, 1, "N9"},
      {{"search", "--disc", "N9", "a"}, 1, "N9"}, {{"rename", "A", "C"}, 1, "Nothing was changed", 4},
      {{"delete", "A"}, 1, "Nothing was changed", 4}, {{"create", "N", "--drive-letter", "E"}, 1, "disc list", 1024},
      {{"undo"}, 1, "There is no change of the disc list to undo."}, {{"search", "--min-size", "1.5G", "a"}, 2, "1.5G"},
      {{"search", "--newer", "yesterday", "a"}, 2}, {{"search", "--type", "jpg", "--max-size", "1", "a"}, 2},
      {{"export", "--format", "xml", "A"}, 2}, {{"export"}, 2}, {{"export", "A", "--last-report"}, 2},
      {{"note", "A", "x\ty"}, 1, "control characters"}, {{"info", "Nothing"}, 1, "no catalogue"}};
  for (const QString& entry : hostile)
    cases.insert(cases.end(), {{{"show", entry}, 1}, {{"rename", entry, "Taken"}, 1}, {{"note", entry, "x"}, 1}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const FileSizeLimit full(c.room);
    const CliRun run = library.cli(QStringList{"--drive", library.drive("N")} + c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE((c.status ? run.err : run.out).contains(c.text)) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), c.status == 2 ? 2 : c.status ? 1 : 0) << "a message is one line";
    EXPECT_EQ(run.err.contains("\nusage: quilmo-cli "), c.status == 2);
    EXPECT_TRUE((c.status == 0 || run.out.isEmpty()) && !run.err.contains('\x1b')) << "no control character shown raw";
  }
  EXPECT_EQ(library.readFile(library.appFolder() + "QReport.rtf"), "old report\r\n");
  EXPECT_FALSE(library.cli({"search", "SECRET"}).out.contains("SECRET"));
  EXPECT_EQ(library.data("QM.tex"), list);
  EXPECT_EQ(library.sides(), Library::sidesOf({"A", "B"})) << "no note was written";
  // N's catalogue fitted; its name did not.
  EXPECT_EQ(QDir(library.dataPath()).entryList(QDir::Files), QStringList({"A.rtf", "B.rtf", "N.rtf", "QM.tex"}));
  EXPECT_TRUE(library.whole({"A", "B"}) && !library.temporaryFilesLeft() && library.sized() == QStringList{"A"});
  // Deleting the hostile entries takes them off the list and touches no file.
  const CliRun remove = library.cli(QStringList{"delete"} + hostile);
  EXPECT_TRUE(remove.status == 0 && remove.err.contains("not usable file names")) << remove.err.toStdString();
  EXPECT_EQ(library.data("QM.tex"), "A\r\nB\r\n" + discs);
  // Its undo puts the lines back, and touches no file either.
  EXPECT_EQ(library.cli({"undo"}).status, 0);
  EXPECT_EQ(library.data("QM.tex"), list);
  EXPECT_EQ(library.readFile(outside + "victim.rtf") + library.data("a/b.rtf"), "SECRET\r\nSECRET\r\n");
  EXPECT_TRUE(library.whole({"A", "B"}));
}

}  // namespace
