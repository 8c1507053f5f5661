// What quilmo-cli tells of a disc's facts: export against golden files, the size and date
// filters of search, info, list --long, show --long and note, over a library made by real
// creations (one disc with valid facts, one without, one whose facts are stale).
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "CliRun.h"
#include "cli/FileFilter.h"

using quilmo::test::CliRun;

namespace {

struct FactsLibrary : ::testing::Test {
  quilmo::test::CliWorld w;
  const QString ann = "Ann's \"best\" <disc> é";  // quotes, an apostrophe, markup and a letter beyond ASCII
  const QByteArray oldZone = qgetenv("TZ");

  // One file a folder, so the walk's order is the same on every file system.
  void SetUp() override {
    qputenv("TZ", "UTC");  // people see local times
    dated("disc/a.txt", 5, "2020-01-02T03:04:05Z");
    dated("disc/DOCS/big, <b> é's \"x\".txt", 3000, "2024-06-15T12:00:00Z");
    dated("disc/DOCS/MORE/ctl\x01\t.txt", 2 << 20, "2023-03-01T00:00:00Z");
    dated("plain/p.txt", 100, "2022-01-01T00:00:00Z");
    dated("stale/s.txt", 200, "2022-01-01T00:00:00Z");
    dated("other/a.txt", 9000, "2025-01-01T00:00:00Z");  // the line of the first a.txt, another file
    create(ann, "disc");
    create("Plain", "plain", {"--no-facts"});
    create("Stale", "stale");
    create("Zed", "other");
    QFile stale(w.dataPath() + "Stale.rtf");  // changed after its facts were written
    ASSERT_TRUE(stale.open(QIODevice::ReadWrite) && stale.setFileTime(at("2001-01-01T00:00:00Z"), QFile::FileModificationTime));
  }
  void TearDown() override { oldZone.isNull() ? qunsetenv("TZ") : qputenv("TZ", oldZone); }

  static QDateTime at(const char* iso) { return QDateTime::fromString(iso, Qt::ISODate); }
  void dated(const QString& file, qint64 size, const char* modified) {
    w.writeFile(w.root() + file, "");
    QFile f(w.root() + file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.resize(size) && f.setFileTime(at(modified), QFile::FileModificationTime));
  }
  void create(const QString& name, const QString& folder, const QStringList& more = {}) {
    const CliRun run = w.cli(QStringList{"--drive", "E=" + w.root() + folder, "create", name, "--drive-letter", "E"} + more);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
  }
  static QByteArray golden(const QString& name) { return quilmo::test::TempWorld::readFile(QUILMO_GOLDEN + name); }
  static QString hit(const QString& disc, const QString& line) { return "*" + disc + "* \"E:\\" + line + "\"\n"; }
};

const QString a = "\",\"a.txt", big = "DOCS\\\",\"big, <b> é's ?x?.txt", ctl = "DOCS\\MORE\\\",\"ctl\x01\t.txt";

}  // namespace

TEST_F(FactsLibrary, ExportsMatchTheirGoldenFilesAndNameTheDiscsWithoutUsableFacts) {
  ASSERT_EQ(w.cli({"search", "txt"}).status, 0);
  for (const QString format : {"csv", "jsonl", "html"}) {
    SCOPED_TRACE(format.toStdString());
    const CliRun run = w.cli({"export", "--last-report", "--format", format});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toUtf8(), golden("report." + format));
    const QStringList told = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(told.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(told[0].contains("Plain.facts is missing") && told[1].contains("Stale.facts no longer matches"));
  }
  const CliRun disc = w.cli({"export", ann, "--output", w.folder("out") + "disc.csv"});
  EXPECT_TRUE(disc.status == 0 && disc.out.isEmpty() && disc.err.isEmpty()) << disc.err.toStdString();
  EXPECT_EQ(w.readFile(w.root() + "out/disc.csv"), golden("disc.csv"));
  EXPECT_EQ(QDir(w.root() + "out").entryList(QDir::Files | QDir::Hidden), QStringList{"disc.csv"});
  // A disc without facts keeps its rows, their size and time empty.
  EXPECT_EQ(w.cli({"export", "--format", "jsonl", "Plain"}).out.section('\n', 0, 0),
            R"({"folder":"E:\\","name":"p.txt","size":null,"modified":null})");

  for (const QStringList& wrong : {QStringList{"export", "Nothing", "--output", w.root() + "out/disc.csv"},
                                   QStringList{"export", ann, "--last-report", "--output", w.root() + "out/disc.csv"}}) {
    EXPECT_NE(w.cli(wrong).status, 0);
    EXPECT_EQ(w.readFile(w.root() + "out/disc.csv"), golden("disc.csv")) << "a refused export leaves the file";
  }
}

TEST_F(FactsLibrary, SizeAndDateFiltersKeepExactlyTheFilesThatPassAndLeaveOutDiscsWithoutFacts) {
  const QString leftOut = "quilmo-cli: No disc facts: " + w.dataPath() +
                          ".quilmo/facts/Plain.facts is missing. Disc Plain is left out of this search by size and date.\n";
  struct Case { QStringList arguments; QString hits; };
  const std::vector<Case> cases{
      {{"txt", "--min-size", "1K"}, hit(ann, big) + hit(ann, ctl) + hit("Zed", a)},
      {{"txt", "--min-size", "3000", "--max-size", "3000"}, hit(ann, big)},
      {{"txt", "--min-size", "2m"}, hit(ann, ctl)},  // bounds are included
      {{"txt", "--newer", "2024-01-01"}, hit(ann, big) + hit("Zed", a)},
      {{"txt", "--older", "2023-03-01T00:00Z"}, hit(ann, a)},  // an older file is modified before the time
      {{"txt", "--newer", "2023-03-01 00:00:00", "--older", "2024-06-15T12:00:00+00:00"}, hit(ann, ctl)},
      // The first a.txt fails, so it is no double of the one that passes.
      {{"a.txt", "--names", "--min-size", "1K"}, hit("Zed", a)},
      {{"files", "--max-size", "1T"}, ""},  // a totals line names no file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CliRun run = w.cli(QStringList{"search"} + c.arguments);
    EXPECT_EQ(run.out, c.hits);
    EXPECT_EQ(w.readFile(w.appFolder() + "QReport.rtf"), QString(c.hits).replace("\n", "\r\n").toUtf8());
    EXPECT_TRUE(run.err.startsWith(leftOut)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Stale.facts no longer matches its catalogue"));
    EXPECT_TRUE(run.err.endsWith(QString("Finished searching: There are %1 links\n").arg(c.hits.count('\n'))));
  }
  // Without a filter, or on discs with facts only, no disc is left out.
  EXPECT_EQ(w.cli({"search", "a.txt", "--names"}), (CliRun{0, hit(ann, a), "Finished searching: There are 1 links\n"}));
  EXPECT_EQ(w.cli({"search", "--disc", "zed", "a.txt", "--newer", "2025-01-01"}).err,
            "Finished searching: There are 1 links\n");
}

TEST_F(FactsLibrary, InfoListShowAndNoteTellWhatADiscHolds) {
  const CliRun info = w.cli({"info", ann});
  EXPECT_TRUE(info.out.contains("\nIdentity:     no identity\n") &&
              info.out.contains("\nRoot:         plain folder mapped as a drive\n") &&
              info.out.contains("\nFiles:        3\nFolders:      2\nTotal size:   2.1 MB (2,100,157 bytes)\nNote:         \n"))
      << info.out.toStdString();
  EXPECT_EQ(w.cli({"info", "plain"}),
            (CliRun{0, "Disc:         plain\nCatalogue:    " + w.dataPath() + "Plain.rtf\nFacts:        No disc facts: " +
                           w.dataPath() + ".quilmo/facts/Plain.facts is missing.\nNote:         \n", ""}));

  const CliRun list = w.cli({"list", "--long"});
  const QStringList rows = list.out.split('\n');
  ASSERT_EQ(rows.size(), 6) << list.out.toStdString();
  EXPECT_TRUE(rows[0].startsWith("NAME                   FILES    SIZE") && rows[0].endsWith("LABEL  SCANNED"));
  EXPECT_TRUE(rows[1].startsWith(ann + "      3  2.1 MB")) << rows[1].toStdString();
  EXPECT_EQ(rows[2].simplified(), "Plain - - - - -");
  EXPECT_EQ(rows[3].simplified(), "Stale - - - - -");
  EXPECT_EQ(list.err.count('\n'), 1) << "one message, for the stale facts: " << list.err.toStdString();

  EXPECT_EQ(w.cli({"show", "--long", ann}).out,
            "        5  2020-01-02 03:04  \"E:\\" + a + "\"\n"
            "    3,000  2024-06-15 12:00  \"E:\\" + big + "\"\n"
            "2,097,152  2023-03-01 00:00  \"E:\\" + ctl + "\"\n"
            "                             3 files : 2 folders\n");
  const CliRun plain = w.cli({"show", "--long", "Plain"});
  EXPECT_EQ(plain.out, w.cli({"show", "Plain"}).out);
  EXPECT_TRUE(plain.err.contains("Plain.facts is missing. The catalogue follows without sizes and times."));

  const QString note = w.dataPath() + ".quilmo/notes/Stale.note";
  EXPECT_EQ(w.cli({"note", "stale", "box 3, top shelf"}), (CliRun{0, "", ""}));
  EXPECT_EQ(w.cli({"note", "Stale"}).out, "box 3, top shelf\n");
  const CliRun refused = w.cli({"note", "Stale", "box 4\nlower shelf"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("cannot hold control characters")) << refused.err.toStdString();
  EXPECT_EQ(w.readFile(note), "box 3, top shelf\n") << "a refused note changes nothing";
  EXPECT_TRUE(w.cli({"info", "Stale"}).out.endsWith("no longer matches its catalogue, which changed after it was "
                                                     "written.\nNote:         box 3, top shelf\n"));
  EXPECT_EQ(w.cli({"note", "Stale", ""}).status, 0);
  EXPECT_FALSE(QFile::exists(note));
  EXPECT_EQ(w.cli({"note", "Nothing", "x"}).status, 1);
}

TEST(FileFilterTest, SizesAndTimesAreReadWhole) {
  using quilmo::cli::parseSize, quilmo::cli::parseTime;
  EXPECT_EQ(parseSize("700M"), 700ll << 20);
  EXPECT_EQ(parseSize("9223372036854775807"), std::numeric_limits<qint64>::max());
  for (const char* wrong : {"", "1.5G", "-1", "12X", "8388608T", "99999999999999999999", "1 K"})
    EXPECT_EQ(parseSize(wrong), std::nullopt) << wrong;
  qputenv("TZ", "UTC");
  EXPECT_EQ(parseTime("2024-05-01"), parseTime("2024-05-01T02:00+02:00"));
  EXPECT_EQ(parseTime("1970-01-01T00:00:01Z"), 1'000'000'000);
  for (const char* wrong : {"2024-13-01", "2024-05-01T25:00", "yesterday", "2024-5-1", "2024-05-01T12"})
    EXPECT_EQ(parseTime(wrong), std::nullopt) << wrong;
  qunsetenv("TZ");
}
