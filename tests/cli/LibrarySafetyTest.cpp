// The library survives what a hostile world does to it: a kill at any step of a change,
// several programs at once, a full disk, and disc-list lines that point outside the data
// folder. Each test drives the built quilmo-cli as separate processes.
#include <gtest/gtest.h>

#include <algorithm>

#include <QDir>
#include <QDirIterator>
#include <QSettings>

#include "CliRun.h"
#include "capture/CreationClaim.h"
#include "library/LibraryLock.h"
#include "support/FileSizeLimit.h"

using namespace quilmo::test;

namespace {

// Discs A and B, and a size for A. A disc's catalogue holds one file, named after the disc
// in small letters; C and D are A and B renamed.
struct Library : CliWorld {
  Library() {
    writeFile(dataPath() + "QM.tex", "A\r\nB\r\n");
    for (const char* disc : {"A", "B"}) writeFile(dataPath() + disc + ".rtf", catalogueOf(disc));
    writeFile(root() + "config/quilmo/quilmo.conf", "[A]\nSize=5\n");
  }
  static QByteArray catalogueOf(const QString& disc) {
    const QString file = disc == "C" ? "a" : disc == "D" ? "b" : disc.toLower();
    return "\"E:\\\",\"" + file.toUtf8() + ".txt\"\r\n1 files :  folders\r\n";
  }
  // A drive E of its own for disc NAME.
  QString drive(const QString& name) const {
    writeFile(root() + "discs/" + name + "/" + name.toLower() + ".txt", "x");
    return "E=" + root() + "discs/" + name;
  }
  QStringList listed() const { return QString::fromUtf8(data("QM.tex")).split("\r\n", Qt::SkipEmptyParts); }
  QStringList sized() const { return QSettings(root() + "config/quilmo/quilmo.conf", QSettings::IniFormat).childGroups(); }
  bool whole(const QStringList& discs) const {
    return std::all_of(discs.begin(), discs.end(), [this](const QString& d) { return data(d + ".rtf") == catalogueOf(d); });
  }
  qsizetype catalogues() const { return QDir(dataPath()).entryList({"*.rtf"}).size(); }
  bool temporaryFilesLeft() const {
    return QDirIterator(dataPath(), {".quilmo-*"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories).hasNext();
  }
};

TEST(LibrarySafety, AKillAtAnyStepLeavesALibraryThatReadsAndARetryFinishes) {
  struct Operation {
    QStringList arguments, after, sized;  // "DRIVE" stands for a drive E for disc N
  };
  for (const Operation& operation : {Operation{{"rename", "a", "C"}, {"C", "B"}, {"C"}}, Operation{{"delete", "A", "b"}, {}, {}},
                                     Operation{{"--drive", "DRIVE", "create", "N", "--drive-letter", "E"},
                                               {"A", "B", "N"}, {"A"}}}) {
    int step = 0;
    for (bool killed = true; killed;) {  // until a run passes every step
      SCOPED_TRACE(operation.arguments.join(' ').toStdString() + ", killed at step " + std::to_string(++step));
      const Library library;
      QStringList arguments = operation.arguments;
      arguments.replaceInStrings("DRIVE", library.drive("N"));
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert("QUILMO_CRASH_AT_STEP", QString::number(step));
      if ((killed = library.cli(arguments, environment).status == -1)) {
        // Whatever opens the library next sees the old library or the new one, whole.
        ASSERT_EQ(library.cli({"list"}).status, 0);
        const QStringList found = library.listed();
        ASSERT_TRUE(found == QStringList({"A", "B"}) || found == operation.after) << found.join(',').toStdString();
        EXPECT_TRUE(library.whole(found));
        EXPECT_FALSE(library.temporaryFilesLeft()) << "a killed program's temporary files are removed";
        if (found != operation.after) library.cli(arguments);  // the retry
      }
      EXPECT_EQ(library.listed(), operation.after);
      EXPECT_TRUE(library.whole(operation.after));
      EXPECT_EQ(library.catalogues(), operation.after.size());
      EXPECT_EQ(library.sized(), operation.sized);
    }
    EXPECT_GT(step, 4) << "too few steps to prove anything";
  }
}

TEST(LibrarySafety, ProgramsAtOnceLoseNoNameAndMixNoCatalogues) {
  const Library library;
  const QStringList created{"N1", "N2", "N3", "N4", "N5", "N6"};
  QList<QStringList> runs{{"rename", "A", "C"}, {"rename", "B", "D"}};
  for (const QString& name : created)
    runs += {"--app", library.folder(name), "--drive", library.drive(name), "create", name, "--drive-letter", "E"};
  std::vector<std::unique_ptr<QProcess>> programs;
  for (const QStringList& arguments : runs) library.start(*programs.emplace_back(std::make_unique<QProcess>()), arguments);
  for (const auto& program : programs) {
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
  }
  QStringList found = library.listed();
  found.sort();
  EXPECT_EQ(found, QStringList({"C", "D"}) + created);
  EXPECT_TRUE(library.whole(found));
  {
    // A program that holds the library longer than the others will wait is refused to them.
    quilmo::library::LibraryLock holder(library.dataPath());
    ASSERT_TRUE(holder.acquire());
    const CliRun refused = library.cli({"rename", "C", "E"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Another Quilmo program is changing the library")) << refused.err.toStdString();
  }
  // A name being created by one program is refused to the next.
  quilmo::capture::CreationClaim running(library.dataPath(), "Busy");
  ASSERT_TRUE(running.acquire());
  const CliRun second = library.cli({"--drive", library.drive("Busy"), "create", "busy", "--drive-letter", "E"});
  EXPECT_TRUE(second.err.contains("being created by another")) << second.err.toStdString();
  EXPECT_EQ(second.status, 1);
  EXPECT_TRUE(library.whole(found)) << "neither changed the library";
  EXPECT_EQ(library.catalogues(), 8);
}

TEST(LibrarySafety, AFullDiskChangesNothingAndSaysSo) {
  const Library library;
  // A disc list that does not fit where a catalogue does, and more hits than a report can hold.
  QByteArray list = library.data("QM.tex"), hits;
  for (int i = 0; i < 200; ++i) list += "Disc" + QByteArray::number(i) + "\r\n";
  for (int i = 0; i < 100; ++i) hits += "\"E:\\\",\"hit" + QByteArray::number(i) + ".txt\"\r\n";
  library.writeFile(library.dataPath() + "QM.tex", list);
  library.writeFile(library.dataPath() + "Disc0.rtf", hits);
  struct Case {
    QStringList arguments;
    rlim_t room;
    QString message;
  };
  for (const Case& c : {Case{{"rename", "A", "C"}, 4, "Nothing was changed"}, Case{{"delete", "A"}, 4, "Nothing was changed"},
                        Case{{"--drive", library.drive("N"), "create", "N", "--drive-letter", "E"}, 1024, "disc list"},
                        Case{{"search", "hit"}, 1024, "too large"}}) {
    const FileSizeLimit full(c.room);
    const CliRun run = library.cli(c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
  }
  EXPECT_EQ(library.data("QM.tex"), list);
  EXPECT_TRUE(library.whole({"A", "B"}));
  EXPECT_EQ(library.sized(), QStringList({"A"}));
  EXPECT_FALSE(library.temporaryFilesLeft());
}

TEST(LibrarySafety, ListLinesThatLeaveTheDataFolderAreNeverFollowed) {
  const Library library;
  const QString outside = library.folder("outside");
  library.writeFile(outside + "victim.rtf", "SECRET\r\n");
  library.writeFile(library.dataPath() + "a/b.rtf", "SECRET\r\n");
  const QStringList hostile{"../outside/victim", outside + "victim", "a/b", "", "\x1b[31mred"};
  library.writeFile(library.dataPath() + "QM.tex", ("A\r\n" + hostile.join("\r\n") + "\r\nB\r\n").toUtf8());
  for (const QString& entry : hostile) {
    SCOPED_TRACE(entry.toStdString());
    const CliRun show = library.cli({"show", entry});
    EXPECT_TRUE(show.status == 1 && show.out.isEmpty());
    EXPECT_FALSE(show.err.contains('\x1b')) << "a message never prints a control character raw";
    EXPECT_EQ(library.cli({"rename", entry, "Taken"}).status, 1);
  }
  EXPECT_FALSE(library.cli({"search", "SECRET"}).out.contains("SECRET"));
  // Deleting a hostile entry takes it off the list and touches no file.
  const CliRun remove = library.cli(QStringList{"delete"} + hostile);
  EXPECT_TRUE(remove.status == 0 && remove.err.contains("not usable file names")) << remove.err.toStdString();
  EXPECT_EQ(library.listed(), QStringList({"A", "B"}));
  EXPECT_EQ(library.readFile(outside + "victim.rtf") + library.data("a/b.rtf"), "SECRET\r\nSECRET\r\n");
  EXPECT_EQ(library.catalogues(), 2) << "nothing was renamed to Taken";
}

}  // namespace
