// The library survives what a hostile world does to it: a kill at any step of a change,
// several programs at once, a full disk, and disc-list lines that point outside the data
// folder. Each test drives the built quilmo-cli as separate processes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <memory>
#include <vector>

#include "CliRun.h"
#include "capture/CreationClaim.h"
#include "library/LibraryLock.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo::test;

namespace {

QByteArray catalogueOf(const QString& file) { return "\"E:\\\",\"" + file.toUtf8() + "\"\r\n1 files :  folders\r\n"; }

// Discs A and B, and a size for A.
class Library {
 public:
  Library() {
    world.writeFile(data() + "QM.tex", "A\r\nB\r\n");
    world.writeFile(data() + "A.rtf", catalogueOf("a.txt"));
    world.writeFile(data() + "B.rtf", catalogueOf("b.txt"));
    world.writeFile(world.root() + "config/quilmo/quilmo.conf", "[A]\nSize=5\n");
  }
  virtual ~Library() = default;

  QString data() const { return world.dataPath(); }
  CliRun cli(const QStringList& arguments, const QProcessEnvironment& environment =
                                               QProcessEnvironment::systemEnvironment()) const {
    return runCli(QStringList{"--data", data()} + arguments, environment);
  }
  QStringList listed() const {
    return QString::fromUtf8(TempWorld::readFile(data() + "QM.tex")).split("\r\n", Qt::SkipEmptyParts);
  }
  QString size(const QString& disc) const {
    return QSettings(world.root() + "config/quilmo/quilmo.conf", QSettings::IniFormat).value(disc + "/Size").toString();
  }
  QStringList temporaryFiles() const {
    return QDir(data()).entryList({".quilmo-*"}, QDir::Files | QDir::Hidden) +
           QDir(data() + ".quilmo").entryList({".quilmo-*"}, QDir::Files | QDir::Hidden);
  }
  // A drive E of its own holding one file whose name says which disc it is.
  QString discHolding(const QString& file) const {
    const QString folder = world.folder("discs/" + file);
    world.writeFile(folder + file, "x");
    return "E=" + folder;
  }

  TempWorld world;
};

class LibrarySafetyTest : public ::testing::Test, public Library {};

struct Operation {
  QStringList arguments;  // "DRIVE" stands for a drive E holding n.txt
  QStringList before, after;
};

TEST(LibrarySafety, AKillAtAnyStepLeavesALibraryThatReadsAndARetryFinishes) {
  const QList<Operation> operations{
      {{"rename", "A", "C"}, {"A", "B"}, {"C", "B"}},
      {{"delete", "A", "B"}, {"A", "B"}, {}},
      {{"--drive", "DRIVE", "create", "N", "--drive-letter", "E"}, {"A", "B"}, {"A", "B", "N"}},
  };
  for (const Operation& operation : operations) {
    const QString what = operation.arguments.join(' ');
    int kills = 0;
    for (int step = 1; step < 40; ++step) {
      SCOPED_TRACE(what.toStdString() + ", killed at step " + std::to_string(step));
      const Library library;
      QStringList arguments = operation.arguments;
      arguments.replaceInStrings("DRIVE", library.discHolding("n.txt"));
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert("QUILMO_CRASH_AT_STEP", QString::number(step));
      const bool killed = library.cli(arguments, environment).status == -1;

      if (killed) {
        ++kills;
        // Whatever opens the library next sees the old library or the new one, whole.
        ASSERT_EQ(library.cli({"list"}).status, 0);
        const QStringList found = library.listed();
        ASSERT_TRUE(found == operation.before || found == operation.after) << found.join(',').toStdString();
        for (const QString& disc : found) EXPECT_TRUE(QFile::exists(library.data() + disc + ".rtf")) << disc.toStdString();
        EXPECT_EQ(library.temporaryFiles(), QStringList()) << "a killed program's temporary files are removed";
        const CliRun retry = library.cli(arguments);
        if (found == operation.before) EXPECT_EQ(retry.status, 0) << retry.err.toStdString();
      }
      EXPECT_EQ(library.listed(), operation.after);
      if (arguments.first() != "--drive")
        EXPECT_EQ(TempWorld::readFile(library.data() + "Qm.Tex.Bak"), QByteArray("A\r\nB\r\n"));
      if (arguments.first() == "rename") {
        EXPECT_FALSE(QFile::exists(library.data() + "A.rtf"));
        EXPECT_EQ(TempWorld::readFile(library.data() + "C.rtf"), catalogueOf("a.txt"));
        EXPECT_EQ(library.size("C"), "5");
        EXPECT_EQ(library.size("A"), "");
      } else if (arguments.first() == "delete") {
        EXPECT_EQ(QDir(library.data()).entryList({"*.rtf"}), QStringList());
        EXPECT_EQ(library.size("A"), "");
      } else {
        EXPECT_TRUE(TempWorld::readFile(library.data() + "N.rtf").contains("n.txt"));
      }
      if (!killed) break;  // every step has been cut once
    }
    EXPECT_GT(kills, 3) << what.toStdString() << " passed through too few steps to prove anything";
  }
}

TEST_F(LibrarySafetyTest, ProgramsAtOnceLoseNoNameAndMixNoCatalogues) {
  std::vector<std::unique_ptr<QProcess>> programs;
  const auto start = [&](const QStringList& arguments) {
    programs.push_back(std::make_unique<QProcess>());
    programs.back()->start(QStringLiteral(QUILMO_CLI), QStringList{"--data", data()} + arguments);
  };
  for (int i = 1; i <= 6; ++i) {
    const QString name = QStringLiteral("N%1").arg(i);
    start({"--app", world.folder("app" + name), "--drive", discHolding(name + ".txt"), "create", name,
           "--drive-letter", "E"});
  }
  start({"rename", "A", "C"});
  start({"rename", "B", "D"});
  for (const auto& program : programs) {
    ASSERT_TRUE(program->waitForFinished(60000));
    EXPECT_EQ(program->exitCode(), 0) << program->readAllStandardError().toStdString();
  }
  QStringList found = listed();
  found.sort();
  EXPECT_EQ(found, (QStringList{"C", "D", "N1", "N2", "N3", "N4", "N5", "N6"}));
  for (int i = 1; i <= 6; ++i)
    EXPECT_EQ(TempWorld::readFile(data() + QStringLiteral("N%1.rtf").arg(i)),
              catalogueOf(QStringLiteral("N%1.txt").arg(i)));

  // A program that holds the library longer than the others will wait for is refused to them.
  {
    quilmo::library::LibraryLock holder(data());
    ASSERT_TRUE(holder.acquire());
    const CliRun refused = cli({"rename", "C", "E"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Another Quilmo program is changing the library")) << refused.err.toStdString();
  }
  EXPECT_TRUE(QFile::exists(data() + "C.rtf"));
  EXPECT_TRUE(listed().contains("C"));

  // A name being created by one program is refused to the next, which changes nothing.
  quilmo::CreationClaim running(data(), "Busy");
  ASSERT_TRUE(running.acquire());
  const CliRun second = cli({"--drive", discHolding("other.txt"), "create", "busy", "--drive-letter", "E"});
  EXPECT_NE(second.status, 0);
  EXPECT_TRUE(second.err.contains("being created by another")) << second.err.toStdString();
  EXPECT_FALSE(QFile::exists(data() + "busy.rtf"));
}

TEST_F(LibrarySafetyTest, AFullDiskChangesNothingAndSaysSo) {
  const QByteArray list = "A\r\nB\r\n";
  {
    const FileSizeLimit full(4);  // no journal fits
    for (const QStringList& change : {QStringList{"rename", "A", "C"}, QStringList{"delete", "A"}}) {
      const CliRun run = cli(change);
      EXPECT_EQ(run.status, 1);
      EXPECT_TRUE(run.err.contains("Nothing was changed")) << run.err.toStdString();
    }
  }
  EXPECT_EQ(TempWorld::readFile(data() + "QM.tex"), list);
  EXPECT_TRUE(QFile::exists(data() + "A.rtf"));
  EXPECT_EQ(size("A"), "5");

  // The catalogue fits, the longer disc list does not: the list stays as it was.
  QByteArray longList;
  for (int i = 0; i < 200; ++i) longList += "Disc" + QByteArray::number(i) + "\r\n";
  world.writeFile(data() + "QM.tex", longList);
  const QString drive = discHolding("n.txt");
  {
    const FileSizeLimit full(1024);
    const CliRun run = cli({"--drive", drive, "create", "N", "--drive-letter", "E"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("disc list")) << run.err.toStdString();
    // The quick report of a search with more hits than fit.
    QByteArray manyHits;
    for (int i = 0; i < 100; ++i) manyHits += "\"E:\\\",\"hit" + QByteArray::number(i) + ".txt\"\r\n";
    world.writeFile(data() + "Disc0.rtf", manyHits);
    const CliRun search = cli({"--app", world.appFolder(), "search", "hit"});
    EXPECT_NE(search.status, 0);
    EXPECT_TRUE(search.err.contains("too large")) << search.err.toStdString();
  }
  EXPECT_EQ(TempWorld::readFile(data() + "QM.tex"), longList);
  EXPECT_EQ(temporaryFiles(), QStringList());
}

TEST_F(LibrarySafetyTest, ListLinesThatLeaveTheDataFolderAreNeverFollowed) {
  const QString outside = world.folder("outside");
  world.writeFile(outside + "victim.rtf", catalogueOf("SECRET.txt"));
  world.folder("data/a");
  world.writeFile(data() + "a/b.rtf", catalogueOf("SECRET.txt"));
  const QStringList hostile{"../outside/victim", outside + "victim", "a/b", "", "\x1b[31mred"};
  world.writeFile(data() + "QM.tex", ("A\r\n" + hostile.join("\r\n") + "\r\nB\r\n").toUtf8());

  for (const QString& entry : hostile) {
    SCOPED_TRACE(entry.toStdString());
    const CliRun show = cli({"show", entry});
    EXPECT_NE(show.status, 0);
    EXPECT_FALSE(show.out.contains("SECRET"));
    EXPECT_NE(cli({"rename", entry, "Taken"}).status, 0);
    EXPECT_FALSE(show.err.contains('\x1b')) << "a message never prints a control character raw";
  }
  const CliRun search = cli({"--app", world.appFolder(), "search", "SECRET"});
  EXPECT_FALSE(search.out.contains("SECRET")) << search.out.toStdString();

  // Deleting a hostile entry takes it off the list and touches no file.
  const CliRun remove = cli(QStringList{"delete"} + hostile);
  EXPECT_EQ(remove.status, 0) << remove.err.toStdString();
  EXPECT_TRUE(remove.err.contains("not usable file names")) << remove.err.toStdString();
  EXPECT_EQ(listed(), (QStringList{"A", "B"}));
  EXPECT_EQ(TempWorld::readFile(outside + "victim.rtf"), catalogueOf("SECRET.txt"));
  EXPECT_TRUE(QFile::exists(data() + "a/b.rtf"));
  EXPECT_FALSE(QFile::exists(data() + "Taken.rtf"));
}

}  // namespace
