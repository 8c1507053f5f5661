// The engine over catalogue files, its listener recording what it is told; then against a plain
// reading of the rules (every line, every word) on random catalogues with mixed case, separators,
// non-ASCII letters, odd line ends and broken UTF-8, for every combination of the options.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <algorithm>
#include <array>
#include <ostream>

#include "platform/TextCase.h"
#include "search/GlobalSearch.h"
#include "search/matcher/VectorLanes.h"
#include "search/reading/CatalogueReader.h"
#include "search/reading/SearchQueue.h"
#include "search/reports/SearchFinish.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::search;
using namespace quilmo::test;

// Readable texts in test failures.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

class RecordingListener : public SearchListener {
 public:
  SearchOptions current;
  std::size_t stopAtHit = 0;  // answers Stop to this hit (counting from 1); 0: never
  bool callerReads = true;
  QStringList finished;
  std::vector<qint64> scanAtFinish;
  std::vector<SearchCounters> atHit;
  LineFilter filter;  // for every source

  const SearchOptions& options() override { return current; }
  LineFilter lineFilter(const SearchSource&) override { return filter; }
  bool callerMayRead() const override { return callerReads; }
  Flow hitAdded(QByteArrayView, const SearchCounters& counters) override {
    atHit.push_back(counters);
    return atHit.size() == stopAtHit ? Flow::Stop : Flow::Continue;
  }
  Flow sourceFinished(const QString& source, const SearchCounters& counters) override {
    finished += source;
    scanAtFinish.push_back(counters.scanCount);
    return Flow::Continue;
  }
};

QStringList hitTexts(const HitLines& hits) {
  QStringList texts;
  for (qsizetype i = 0; i < hits.size(); ++i) texts += hits.textAt(i);
  return texts;
}

class GlobalSearchTest : public ::testing::Test {
 protected:
  void disc(const QString& name, const QStringList& lines) {  // CR LF after every line
    world.writeFile(world.dataPath() + name + ".rtf", (lines.join("\r\n") + "\r\n").toUtf8());
  }
  SearchOutcome run(const QStringList& words, const QStringList& discs) {
    return GlobalSearch(words, discSources(world.dataPath(), discs), false).run(listener);
  }

  TempWorld world;
  RecordingListener listener;
};

const QStringList kHoliday = {R"("E:\","beach.jpg")", R"("E:\DOCS\","Beach report.txt")",
                              R"("E:\DOCS\beach\","notes.txt")", "3 files : 2 folders"};
const QStringList kArchive = {R"("F:\OLD\","beach.jpg")", R"("E:\","beach.jpg")", R"("F:\","Snapshot.png")",
                              "3 files : 1 folders"};

struct Source {
  QString name;
  QByteArray bytes;
};

struct Reference {
  QStringList hits;
  qint64 scanCount = 0;
};

// Lines end at LF, a CR before it dropped (the last may have neither); each read as UTF-8.
QStringList linesOf(const QByteArray& bytes) {
  QStringList lines;
  for (qsizetype start = 0, end = 0; start < bytes.size(); start = end + 1) {
    end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    const bool crLf = end < bytes.size() && end > start && bytes[end - 1] == '\r';
    lines += QString::fromUtf8(bytes.mid(start, end - start - crLf));
  }
  return lines;
}

bool separator(const QString& line, qsizetype i) {
  return i < 0 || i >= line.size() || QStringLiteral("\\/,.'][{}+-_)(&^%$#@!~`=; ").contains(line[i]);
}

Reference referenceSearch(const QStringList& words, std::vector<Source> sources, const SearchOptions& o,
                          const LineFilter& keep) {
  std::stable_sort(sources.begin(), sources.end(),
                   [](const Source& a, const Source& b) { return compareIgnoringCase(a.name, b.name) < 0; });
  Reference ref;
  QStringList reported;  // RduB
  QSet<QString> listed;  // the text after the first "* " of each hit line, in capitals
  for (const Source& source : sources) {
    const QStringList lines = linesOf(source.bytes);
    for (qsizetype number = 0; number < lines.size(); ++number) {
      const QString& line = lines[number];
      if (keep && !keep(number)) {  // examined, and no hit
        ref.scanCount += words.size();
        continue;
      }
      for (const QString& word : words) {
        ++ref.scanCount;
        const qsizetype p = upperCased(line).indexOf(upperCased(word));
        if (p < 0) continue;
        if (o.caseOn && line.mid(p, word.size()) != word) continue;
        if (o.wordOnly && !(separator(line, p - 1) && separator(line, p + word.size()))) continue;
        auto typeFits = [&](const QString& text) {
          return o.selectedTypes.isEmpty() || std::any_of(o.selectedTypes.begin(), o.selectedTypes.end(),
                                                          [&](const QString& type) { return upperCased(text).endsWith(type); });
        };
        if (o.autoRemoveDoubles) {
          const QString name = line.mid(line.lastIndexOf(u'\\') + 1);
          if (!upperCased(name).contains(upperCased(word)) || !typeFits(name)) continue;
          if (indexIgnoringCase(reported, name) >= 0) continue;
          reported += name;
        } else if (listed.contains(upperCased(line)) || !typeFits(line)) {
          continue;
        }
        ref.hits += u'*' + source.name + QStringLiteral("* ") + line;
        const QString upper = upperCased(ref.hits.back());
        listed += upper.mid(upper.indexOf(QStringLiteral("* ")) + 2);
      }
    }
  }
  return ref;
}

class RandomText {
 public:
  explicit RandomText(quint32 seed) : random_(seed) {}

  QString piece(int maxLength) {
    static const QStringList kPieces = {
        "a", "b", "c", "A", "B", "C", "at", "AT", "cat", "Cat", "e", "E", "é", "É", "ß", "ı", "I", "i", "ſ",
        "s", "S", "ж", "Ж", "σ", "Σ", "ς", "K", "k", "\u212A", "😀", "_", ".", " ", "-", "\\", "\"", ",", "'",
        "(", ")", "1", "9", "*", "* ", "|", "~", "`", "="};
    QString text;
    const int n = int(random_.bounded(maxLength + 1));
    for (int i = 0; i < n; ++i) text += kPieces[int(random_.bounded(qsizetype(kPieces.size())))];
    return text;
  }

  QByteArray file(QStringList& seen) {
    QByteArray bytes;
    const int lines = int(random_.bounded(1, 60));
    for (int i = 0; i < lines; ++i) {
      QString line;
      if (!seen.isEmpty() && random_.bounded(5) == 0) {  // the same line again, maybe in other capitals
        line = seen[int(random_.bounded(qsizetype(seen.size())))];
        if (random_.bounded(2)) line = upperCased(line);
      } else {
        line = QStringLiteral("\"%1:\\%2\\\",\"%3\"").arg(QChar(u'D' + random_.bounded(3)), piece(4), piece(8));
        if (random_.bounded(8) == 0) line = piece(10);  // not a catalogue line at all
        seen += line;
      }
      bytes += line.toUtf8();
      switch (random_.bounded(12)) {
        case 0: bytes += "\xE2\x82"; break;  // a cut UTF-8 sequence
        case 1: bytes += "\xFF"; break;
        case 2: bytes += '\r'; break;  // a CR that ends nothing
        default: break;
      }
      bytes += random_.bounded(3) ? "\r\n" : "\n";
    }
    if (random_.bounded(4) == 0) bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);  // no last line end
    return bytes;
  }

  // Mostly a few words; now and then more than the vector scan keeps in registers or
  // takes at all.
  QStringList words() {
    QStringList words;
    const int n = int(random_.bounded(8) == 0 ? random_.bounded(5, 12) : random_.bounded(1, 4));
    for (int i = 0; i < n; ++i) words += piece(3);
    return words;
  }

 private:
  QRandomGenerator random_;
};

}  // namespace

TEST_F(GlobalSearchTest, HitLinesNameTheirDiscInQueueOrderAndEachLineOnce) {
  disc("Holiday", kHoliday);
  disc("archive", kArchive);
  const SearchOutcome out = run({"beach", "BEACH", "snap"}, {"Holiday", "archive"});
  // The queue is alphabetical; the line in both discs is listed for the first disc read.
  ASSERT_EQ(hitTexts(out.hits), QStringList({R"(*archive* "F:\OLD\","beach.jpg")", R"(*archive* "E:\","beach.jpg")",
                                             R"(*archive* "F:\","Snapshot.png")", R"(*Holiday* "E:\DOCS\","Beach report.txt")",
                                             R"(*Holiday* "E:\DOCS\beach\","notes.txt")"}));
  EXPECT_EQ(listener.scanAtFinish, std::vector<qint64>({12, 24}));
  EXPECT_EQ(listener.atHit[3].discHits, 1);  // DiscHits starts again for each disc
  EXPECT_EQ(listener.atHit[4].hitCount, 5);
}

TEST_F(GlobalSearchTest, TheQueueFollowsTheDiscListAndDiscsWithoutACatalogueAreNamedAtTheFinish) {
  disc("Holiday", kHoliday);
  const SearchOutcome out = run({"beach"}, {"Holiday", "Ghost", "../x", "alpha"});
  EXPECT_EQ(out.missing, QStringList({"../x", "alpha", "Ghost"}));
  EXPECT_EQ(listener.finished, QStringList({"../x", "alpha", "Ghost", "Holiday"}));
  EXPECT_EQ(finishedSearchingText(3, {"Ghost"}), "Finished searching: There are 3 links; 1 listed disc has no catalogue: Ghost");
  EXPECT_EQ(finishedSearchingText(0, {"A", "B", "C", "D", "E", "F", "G"}),
            "Finished searching: There are 0 links; 7 listed discs have no catalogue: A, B, C, D, E, ...");
  world.writeFile(world.dataPath() + "qm.TEX", "zeta\r\nAlpha\r\n\"beta, gamma\"\r\nalpha\r\n");
  EXPECT_EQ(discList(world.dataPath()), QStringList({"zeta", "Alpha", "beta, gamma", "alpha"}));
  EXPECT_EQ(queueOrder(discList(world.dataPath())), QStringList({"Alpha", "alpha", "beta, gamma", "zeta"}));
  // A name that would leave the data folder names no catalogue.
  EXPECT_TRUE(discSources(world.dataPath(), {"../x"}).front().path.isEmpty());
}

TEST_F(GlobalSearchTest, StopEndsAfterTheWordInHandWithTheHitsSoFar) {
  QStringList lines;
  for (int i = 0; i < 50000; ++i) lines += QString(R"("E:\","file%1.txt")").arg(i);
  disc("big", lines);
  listener.stopAtHit = 3;
  const SearchOutcome out = run({"file1", "zzz"}, {"big"});
  EXPECT_TRUE(out.stopped);
  EXPECT_EQ(out.hits.size(), 3);
  // Lines 1, 10 and 11 (from 0) hold file1; the third hit is the first word of line 11.
  EXPECT_EQ(out.scanCount, 11 * 2 + 1);
  EXPECT_TRUE(listener.finished.isEmpty());
}

TEST_F(GlobalSearchTest, LinesAcrossTheReadBlocksAndLongerThanOneStayWholeAndRepeatsAreFoundAmongMany) {
  QByteArray bytes;
  for (int i = 0; bytes.size() < CatalogueReader::kPieceSpan + CatalogueReader::kBlockSize; ++i)
    bytes += R"("E:\","file)" + QByteArray::number(i) + ".txt\"\r\n";
  const qint64 lines = bytes.count('\n');
  bytes += QByteArray(3 * CatalogueReader::kBlockSize / 2, 'x') + "file.txt\"\r\n";
  bytes += R"("E:\","FILE0.TXT")" "\r\n" R"("E:\","file99999.txt")" "\r\n";
  world.writeFile(world.dataPath() + "big.rtf", bytes);
  const SearchOutcome out = run({".TXT\""}, {"big"});
  ASSERT_EQ(out.hits.size(), lines + 1);
  for (qsizetype i = 0; i < lines; ++i)
    ASSERT_EQ(out.hits.textAt(i), QString(R"(*big* "E:\","file%1.txt")").arg(i));
  EXPECT_EQ(out.hits.textAt(lines).size(), 6 + 3 * CatalogueReader::kBlockSize / 2 + 9);
}

TEST_F(GlobalSearchTest, WordOnlyReadsTheCharactersAroundAnOccurrenceInLinesBeyondAscii) {
  // "café" is one character shorter than its bytes; ſ and ı have ASCII capitals; ü is no separator.
  disc("Mixed", {R"("E:\","a ſnap.jpg")", R"("E:\","a kıwı café.txt")", R"("E:\","café kiwi.txt")", R"("E:\","über.txt")"});
  listener.current.wordOnly = true;
  EXPECT_EQ(hitTexts(run({"snap", "kiwi", "ber"}, {"Mixed"}).hits),
            QStringList({R"(*Mixed* "E:\","a ſnap.jpg")", R"(*Mixed* "E:\","a kıwı café.txt")", R"(*Mixed* "E:\","café kiwi.txt")"}));
}

TEST_F(GlobalSearchTest, ACatalogueThatIsNoFileIsAnErrorAndTheThirdAbandonsTheSearch) {
  // A named pipe would block a reader until something writes to it; a folder cannot be read.
  ASSERT_EQ(mkfifo(QFile::encodeName(world.dataPath() + "Pipe.rtf").constData(), 0600), 0);
  QDir().mkpath(world.dataPath() + "Folder.rtf");
  QDir().mkpath(world.dataPath() + "Folder2.rtf");
  disc("Holiday", kHoliday);
  const SearchOutcome out = run({"beach.jpg"}, {"Pipe", "Folder", "Holiday"});
  EXPECT_FALSE(out.abandoned);
  EXPECT_EQ(out.errors, 2);
  EXPECT_EQ(hitTexts(out.hits), QStringList({R"(*Holiday* "E:\","beach.jpg")"}));
  const SearchOutcome third = run({"beach.jpg"}, {"Pipe", "Folder", "Folder2", "Holiday"});
  EXPECT_TRUE(third.abandoned);
  EXPECT_EQ(third.errors, 3);
}

TEST(RandomisedSearch, EngineMatchesThePlainRulesForEveryOptionCombination) {
  const auto widest = qScopeGuard([] { limitVectorWidth(512); });
  for (quint32 seed = 1; seed <= 150; ++seed) {
    // Each vector width of the scans, and none, on a quarter of the seeds.
    limitVectorWidth(std::array{512, 256, 128, 0}[seed % 4]);
    RandomText random(seed);
    TempWorld world;
    std::vector<Source> sources;
    QStringList seen;
    for (const char* name : {"disc B", "Disc a", "c* d", "ÉTÉ"}) {  // and a disc without a catalogue
      sources.push_back({name, random.file(seen)});
      world.writeFile(world.dataPath() + name + ".rtf", sources.back().bytes);
    }
    const QStringList names = {"disc B", "Disc a", "c* d", "missing", "ÉTÉ"};
    const QStringList words = random.words();
    for (int combination = 0; combination < 16; ++combination) {
      SearchOptions options;
      options.caseOn = combination & 1;
      options.wordOnly = combination & 2;
      options.autoRemoveDoubles = combination & 4;
      if (combination & 8) options.selectedTypes = {"A\"", "É\""};
      // A third of the seeds keep some lines out, which then are no doubles of later ones.
      const LineFilter keep = seed % 3 ? LineFilter() : [](qint64 line) { return line % 3 != 1; };
      const Reference ref = referenceSearch(words, sources, options, keep);

      RecordingListener listener;
      listener.current = options;
      listener.filter = keep;
      listener.callerReads = (seed + combination) % 2;  // or only the workers read
      const SearchOutcome out = GlobalSearch(words, discSources(world.dataPath(), names), false).run(listener);
      ASSERT_EQ(hitTexts(out.hits), ref.hits) << "seed " << seed << " options " << combination;
      ASSERT_EQ(out.scanCount, ref.scanCount) << "seed " << seed;
    }
  }
}
