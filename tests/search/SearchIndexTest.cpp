// The search through the index against the same search reading every catalogue whole, on
// random libraries and every option: the quick report's bytes and every counter must be the
// same. Then parts that are damaged, cut short, missing or older than their catalogue: the
// results stay the same and each such part is rebuilt.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <bit>
#include <numeric>

#include "platform/FileStamp.h"
#include "scope/WordList.h"
#include "search/GlobalSearch.h"
#include "search/index/Checksum.h"
#include "search/index/CombinedIndex.h"
#include "search/index/IndexFormat.h"
#include "search/index/IndexLookup.h"
#include "search/index/SearchIndex.h"
#include "search/reading/SearchQueue.h"
#include "support/TempWorld.h"

using namespace quilmo;
using namespace quilmo::search;
using namespace quilmo::test;

namespace {

// Everything a listener is told that the two ways of reading must agree on.
class Transcript : public SearchListener {
 public:
  explicit Transcript(SearchOptions options, std::size_t stopAtHit = 0) : options_(std::move(options)), stopAt_(stopAtHit) {}
  const SearchOptions& options() override { return options_; }
  Flow hitAdded(QByteArrayView line, const SearchCounters& c) override {
    text += QStringLiteral("hit %1 %2 %3 %4\n").arg(c.scanCount).arg(c.discHits).arg(c.hitCount).arg(QString::fromUtf8(line));
    return ++hits_ == stopAt_ ? Flow::Stop : Flow::Continue;
  }
  Flow sourceFinished(const QString& source, const SearchCounters& c) override {
    text += QStringLiteral("finished %1 %2 %3\n").arg(source).arg(c.scanCount).arg(c.hitCount);
    return Flow::Continue;
  }
  QString text;

 private:
  SearchOptions options_;
  std::size_t stopAt_, hits_ = 0;
};

struct Result {
  QByteArray report;  // the quick report's bytes
  QString transcript;
  qint64 scanCount = 0;
  bool stopped = false;
  QStringList missing;
  bool operator==(const Result&) const = default;
};

void PrintTo(const Result& r, std::ostream* out) {
  *out << r.transcript.toStdString() << "scan " << r.scanCount << (r.stopped ? " stopped" : "") << "\nreport:\n"
       << r.report.toStdString();
}

Result searched(const QStringList& words, const std::vector<SearchSource>& sources, bool split, const SearchOptions& options,
              const SearchIndex* index, std::size_t stopAtHit = 0) {
  GlobalSearch engine(words, sources, split);
  engine.useIndex(index);
  Transcript listener(options, stopAtHit);
  const SearchOutcome out = engine.run(listener);
  Result result{{}, listener.text, out.scanCount, out.stopped, out.missing};
  for (const QByteArray& block : out.hits.reportBlocks()) result.report += block;
  return result;
}

// Catalogues whose lines share folders (so blocks repeat paths), hold words that are
// parts of each other, letters beyond ASCII whose capitals differ in length or are ASCII,
// broken UTF-8, lone CRs and both line ends.
class RandomLibrary {
 public:
  explicit RandomLibrary(quint32 seed) : random_(seed) {}

  QString piece() { return pick(kPieces); }
  QString name(int parts) {
    QString text;
    for (int i = 0; i < parts; ++i) text += piece();
    return text;
  }

  QByteArray catalogue(int lines) {
    QByteArray bytes;
    QString folder = QStringLiteral("E:\\");
    for (int i = 0; i < lines; ++i) {
      if (random_.bounded(6) == 0) folder = QStringLiteral("%1:\\%2\\").arg(QChar(u'D' + random_.bounded(3)), name(3));
      QByteArray line = QStringLiteral("\"%1\",\"%2%3\"").arg(folder, name(int(random_.bounded(1, 4))), pick(kTypes)).toUtf8();
      if (random_.bounded(20) == 0) line += random_.bounded(2) ? "\xC3" : "\r";  // a cut sequence, a CR ending nothing
      bytes += line + (random_.bounded(4) ? "\r\n" : "\n");
      texts_ += QString::fromUtf8(line);
    }
    bytes += QByteArray::number(lines) + " files : 12 folders";
    if (random_.bounded(3)) bytes += "\r\n";
    return bytes;
  }

  // The search text: words joined by "|", most taken from the lines so they are found.
  QString words() {
    QStringList words;
    for (int n = int(random_.bounded(1, 4)); n > 0; --n) {
      switch (random_.bounded(8)) {
        case 0: words += piece(); break;
        case 1: words += QString(); break;  // "a||b"
        case 2: words += piece().left(2); break;
        default: {
          const QString& line = pick(texts_);
          const qsizetype at = random_.bounded(line.size());
          words += line.mid(at, random_.bounded(3, 9));
        }
      }
    }
    return words.join(u'|');
  }

  bool coin() { return random_.bounded(2) == 0; }

 private:
  const QString& pick(const QStringList& list) { return list[random_.bounded(list.size())]; }

  inline static const QStringList kPieces = {"snap", "Snapshot", "napsh", "beach", "BEACH", "each", "Kamera", "été",
                                             "ÉTÉ", "straße", "STRASSE", "ſnap", "kıwı", "KIWI", "жук", "Жук", "😀",
                                             "cat", "Catalog", "at", " ", "-", "_", ".", "'", "2019", "x1"};
  inline static const QStringList kTypes = {".jpg", ".JPG", ".txt", ".pdf", ".été", ""};
  QRandomGenerator random_;
  QStringList texts_;
};

// A library of four discs (and a fifth in the list without a catalogue) and two split
// files, indexed into the combined index or into a part per catalogue.
enum class Form { Combined, Parts };
struct IndexedLibrary {
  // scale: how many times longer than usual the catalogues are.
  explicit IndexedLibrary(RandomLibrary& random, Form form, int scale = 1) {
    world.writeFile(world.dataPath() + "QM.tex", "disc B\r\nDisc a\r\nmissing\r\nÉTÉ\r\nc* d\r\n");
    for (const QString& name : kDiscs)
      world.writeFile(catalogue(name), random.catalogue(scale * (200 + 50 * int(name.size()))));
    for (const char* type : {"JPG", "TXT"}) world.writeFile(world.dataPath() + "Split-9/" + type + ".rtf", random.catalogue(150));
    index.setIndexedShare(1.0);  // every catalogue the index can answer for goes through it
    // Six catalogues are few enough for parts alone; only a build anew combines them.
    index.build(form == Form::Combined);
    EXPECT_EQ(QFileInfo::exists(index.combinedPath()), form == Form::Combined);
  }
  QString catalogue(const QString& disc) const { return world.dataPath() + disc + ".rtf"; }
  std::vector<SearchSource> discs() const { return discSources(world.dataPath(), {"disc B", "Disc a", "missing", "ÉTÉ", "c* d"}); }
  std::vector<SearchSource> splitFiles() const { return splitFileSources(world.dataPath(), {"TXT", "JPG", "GIF"}); }

  inline static const QStringList kDiscs = {"disc B", "Disc a", "ÉTÉ", "c* d"};
  TempWorld world;
  SearchIndex index{world.dataPath()};
};

}  // namespace

TEST(IndexedSearch, GivesThePlainSearchsReportAndCountersForEveryOption) {
  qint64 throughIndex = 0;
  for (quint32 seed = 1; seed <= 30; ++seed) {
    RandomLibrary random(seed);
    IndexedLibrary library(random, seed % 2 ? Form::Combined : Form::Parts);
    SearchIndex& index = library.index;
    const QString text = random.words();
    const QStringList words = scope::splitSearchWords(text);
    std::vector<SearchWord> prepared(words.begin(), words.end());
    const bool answerable = IndexQuery(prepared).usable();
    for (int combination = 0; combination < 32; ++combination) {
      SearchOptions options;
      options.caseOn = combination & 1;
      options.wordOnly = combination & 2;
      options.autoRemoveDoubles = combination & 4;
      if (combination & 8) options.selectedTypes = {"JPG\"", "ÉTÉ\""};
      const bool split = combination & 16;
      const auto sources = split ? library.splitFiles() : library.discs();
      const qint64 before = index.indexedReads();
      const Result plain = searched(words, sources, split, options, nullptr);
      ASSERT_EQ(searched(words, sources, split, options, &index), plain) << "seed " << seed << " words " << text.toStdString()
                                                                       << " options " << combination;
      // Every catalogue went through its part whenever the words allow it.
      EXPECT_EQ(index.indexedReads() - before, answerable ? (split ? 2 : 4) : 0) << "seed " << seed;
      // Stopped at a hit halfway, both stop at the same line and word with the same counts.
      const std::size_t hits = std::size_t(plain.transcript.count(QStringLiteral("hit ")));
      if (hits > 1) {
        const Result stopped = searched(words, sources, split, options, nullptr, hits / 2);
        ASSERT_TRUE(stopped.stopped);
        ASSERT_EQ(searched(words, sources, split, options, &index, hits / 2), stopped) << "seed " << seed;
      }
    }
    throughIndex += index.indexedReads();
    EXPECT_TRUE(index.takeUnusable().isEmpty());
  }
  EXPECT_GT(throughIndex, 0);
}

TEST(IndexedSearch, WordsInNearlyEveryBlockOfEveryCatalogueAreSearchedThePlainWay) {
  RandomLibrary random(3);
  IndexedLibrary library(random, Form::Combined);
  SearchIndex& index = library.index;
  index.setIndexedShare(0.25);
  const auto sources = library.discs();
  auto tooCommon = [&](const QStringList& words) {
    const std::vector<SearchWord> prepared(words.begin(), words.end());
    const IndexQuery query(prepared);
    return IndexLookup(index, query).tooCommon();
  };
  // In every line but the last: every catalogue would be read whole, so all are.
  const QStringList common = {"\",\""}, mixed = {"\",\"", "zzzz"}, rare = {"zzzz"};
  EXPECT_TRUE(tooCommon(common));
  EXPECT_TRUE(tooCommon(mixed));
  EXPECT_EQ(searched(common, sources, false, {}, &index), searched(common, sources, false, {}, nullptr));
  EXPECT_EQ(index.indexedReads(), 0);
  // A word in none of them goes through the index, and no catalogue is read.
  EXPECT_FALSE(tooCommon(rare));
  EXPECT_EQ(searched(rare, sources, false, {}, &index), searched(rare, sources, false, {}, nullptr));
  EXPECT_EQ(index.indexedReads(), 4);
}

TEST(IndexedSearch, DamagedCutMissingOrOutdatedPartsLeaveTheResultsAsTheyWereAndAreRebuilt) {
  RandomLibrary random(7);
  IndexedLibrary library(random, Form::Parts, 8);
  SearchIndex& index = library.index;
  // Rare words, across two pieces of a name: few blocks hold them, so each list counts.
  const QStringList words = {"9x1", "hotx", "étéжу"};
  SearchOptions options;
  options.autoRemoveDoubles = true;
  // The search through the index, which must give what reading every catalogue whole gives.
  auto expectPlainResults = [&](const char* what) {
    const Result indexed = searched(words, library.discs(), false, options, &index);
    EXPECT_EQ(indexed, searched(words, library.discs(), false, options, nullptr)) << what;
    return !::testing::Test::HasFailure();
  };
  auto indexedReadsOfOneSearch = [&] {
    const qint64 before = index.indexedReads();
    searched(words, library.discs(), false, options, &index);
    return index.indexedReads() - before;
  };
  ASSERT_TRUE(expectPlainResults("intact"));
  ASSERT_EQ(indexedReadsOfOneSearch(), 4);

  const QString catalogue = library.catalogue("Disc a"), part = index.partPath(catalogue);
  const QByteArray intact = TempWorld::readFile(part);
  ASSERT_GT(intact.size(), 5000);
  // Any byte changed: the part is refused, or it names the same candidate blocks.
  std::vector<SearchWord> prepared(words.begin(), words.end());
  const IndexQuery query(prepared);
  auto candidates = [&] {
    IndexPart opened(part, catalogue);
    const IndexPart::Candidates found = opened.candidates(query, 1.0);
    return opened.state() == PartState::Fresh && found.outcome == IndexPart::Candidates::Found ? found.blocks : BlockSet();
  };
  const BlockSet named = candidates();
  const auto blocks = std::accumulate(named.begin(), named.end(), 0, [](int n, std::uint64_t w) { return n + std::popcount(w); });
  ASSERT_TRUE(blocks > 0 && blocks < 60) << blocks;  // of 125
  {
    QFile file(part);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (qsizetype at = 0; at < intact.size(); ++at) {
      file.seek(at);
      file.write(QByteArray(1, char(intact[at] ^ (1 << (at % 8)))));
      file.flush();
      const BlockSet found = candidates();
      ASSERT_TRUE(found.empty() || found == named) << "at " << at;
      file.seek(at);
      file.write(intact.mid(at, 1));
    }
  }
  // And the whole search with a sample of them.
  QRandomGenerator flips(3);
  for (qsizetype at = 0; at < intact.size(); at += 1 + flips.bounded(intact.size() / 20)) {
    QByteArray damaged = intact;
    damaged[at] = char(damaged[at] ^ (1 + flips.bounded(255)));
    library.world.writeFile(part, damaged);
    ASSERT_TRUE(expectPlainResults("a byte changed")) << "at " << at;
  }
  // Cut short anywhere, or never written at all.
  for (const qsizetype size : {qsizetype(0), qsizetype(7), qsizetype(80), qsizetype(4000), intact.size() / 2, intact.size() - 1}) {
    QFile::remove(part);
    library.world.writeFile(part, intact.left(size));
    EXPECT_EQ(index.stateOf(catalogue), PartState::Damaged) << size;
    ASSERT_TRUE(expectPlainResults("cut short")) << size;
  }
  QFile::remove(part);
  EXPECT_EQ(index.stateOf(catalogue), PartState::Missing);
  ASSERT_TRUE(expectPlainResults("missing"));
  // Another disc's part in its place, whole and sound but of another catalogue.
  QFile::copy(index.partPath(library.catalogue("disc B")), part);
  EXPECT_EQ(index.stateOf(catalogue), PartState::Stale);
  ASSERT_TRUE(expectPlainResults("another disc's part"));

  // Every part the searches could not use was noted, and rebuilt it is used again.
  index.takeUnusable();
  searched(words, library.discs(), false, options, &index);
  EXPECT_EQ(index.takeUnusable(), QStringList({catalogue}));
  index.update();
  EXPECT_EQ(index.stateOf(catalogue), PartState::Fresh);
  EXPECT_EQ(indexedReadsOfOneSearch(), 4);

  // A catalogue written again since its part: one more line, and one of the same size and
  // time put in its place.
  const QString grown = library.catalogue("disc B");
  library.world.writeFile(grown, TempWorld::readFile(grown) + "\"E:\\\",\"snap shot.jpg\"\r\n");
  EXPECT_EQ(index.stateOf(grown), PartState::Stale);
  ASSERT_TRUE(expectPlainResults("a line more"));
  const QString swapped = library.catalogue("ÉTÉ"), twin = library.world.root() + "twin.rtf";
  QByteArray bytes = TempWorld::readFile(swapped);
  bytes.replace("snap", "SNAP").replace("Snap", "sNAP");
  library.world.writeFile(twin, bytes);
  const auto stamp = fileStamp(swapped);
  ASSERT_TRUE(stamp);
  const timespec times[2] = {{stamp->modified / 1'000'000'000, stamp->modified % 1'000'000'000},
                             {stamp->modified / 1'000'000'000, stamp->modified % 1'000'000'000}};
  ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(twin).constData(), times, 0), 0);
  ASSERT_TRUE(QFile::remove(swapped) && QFile::rename(twin, swapped));
  EXPECT_EQ(fileStamp(swapped)->modified, stamp->modified);
  EXPECT_EQ(index.stateOf(swapped), PartState::Stale);
  ASSERT_TRUE(expectPlainResults("another file of the same size and time"));
  index.updateAfterSearch();
  EXPECT_EQ(indexedReadsOfOneSearch(), 4);
}

TEST(IndexedSearch, ADamagedCutOrMissingCombinedIndexLeavesTheResultsAsTheyWereAndTheIndexIsMadeAgain) {
  RandomLibrary random(11);
  IndexedLibrary library(random, Form::Combined, 8);
  SearchIndex& index = library.index;
  const QStringList words = {"9x1", "hotx", "étéжу", "Kamera2019"};
  SearchOptions options;
  const Result plain = searched(words, library.discs(), false, options, nullptr);
  auto indexedReadsOfOneSearch = [&] {
    const qint64 before = index.indexedReads();
    EXPECT_EQ(searched(words, library.discs(), false, options, &index), plain);
    return index.indexedReads() - before;
  };
  ASSERT_EQ(indexedReadsOfOneSearch(), 4);
  const QString combined = index.combinedPath();
  const QByteArray intact = TempWorld::readFile(combined);
  const qsizetype directory = intact.size() - qsizetype(index::combined::kDirectorySize);
  std::vector<SearchWord> prepared(words.begin(), words.end());
  const IndexQuery query(prepared);
  // What the index says: the answer and every block table, or nothing when it is refused.
  // Read piece by piece or mapped whole, it must say the same.
  auto saidBy = [&](CombinedIndex::Access access) {
    const CombinedIndex opened(combined, access);
    QByteArrayList tables;  // empty for a table refused
    CombinedIndex::Scratch scratch;
    for (std::uint32_t d = 0; opened.usable() && d < opened.discCount(); ++d) {
      const auto table = opened.tableOf(d, scratch);
      tables += table ? QByteArray(reinterpret_cast<const char*>(table->offsets), (table->blocks + 1) * 8) : QByteArray();
    }
    return std::pair{opened.usable() ? opened.answer(query, 1.0) : std::nullopt, tables};
  };
  auto said = [&] {
    auto read = saidBy(CombinedIndex::Access::Read);
    EXPECT_EQ(read, saidBy(CombinedIndex::Access::Mapped));
    return read;
  };
  const auto [answer, tables] = said();
  ASSERT_TRUE(answer);
  // Any byte changed before the directory, or in the directory entries of the words'
  // trigrams: the index is refused, or names at least the blocks it named intact (a list
  // size changed may leave a list unread, which names more).
  // A byte of a directory entry is also set to nought: a list's size of nought would say
  // that no catalogue holds the trigram.
  std::vector<std::pair<qsizetype, char>> changes;
  for (qsizetype at = 0; at < directory; at += 1 + (at % 11)) changes.emplace_back(at, char(intact[at] ^ (1 << (at % 8))));
  for (const auto& keys : query.wordKeys())
    for (const std::uint32_t key : keys)
      for (qsizetype i = 0; i < qsizetype(index::combined::kDirectoryEntrySize); ++i) {
        const qsizetype at = directory + qsizetype(key) * qsizetype(index::combined::kDirectoryEntrySize) + i;
        changes.emplace_back(at, char(intact[at] ^ (1 << (at % 8))));
        if (intact[at]) changes.emplace_back(at, '\0');
      }
  {
    QFile file(combined);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    for (const auto& [at, value] : changes) {
      file.seek(at);
      file.write(QByteArray(1, value));
      file.flush();
      const auto [damagedAnswer, damagedTables] = said();
      for (std::size_t d = 0; damagedAnswer && d < damagedAnswer->size(); ++d) {
        const std::optional<BlockSet>& named = (*damagedAnswer)[d];
        for (std::size_t w = 0; named && w < (*answer)[d]->size(); ++w)
          ASSERT_EQ((*answer)[d]->at(w) & ~(w < named->size() ? (*named)[w] : 0), 0u) << "byte " << at << " catalogue " << d;
      }
      for (qsizetype d = 0; d < damagedTables.size(); ++d)
        ASSERT_TRUE(damagedTables[d].isEmpty() || damagedTables[d] == tables.value(d)) << "byte " << at;
      file.seek(at);
      file.write(intact.mid(at, 1));
    }
  }
  // And whole searches with a sample of them, the directory included.
  QRandomGenerator flips(5);
  for (qsizetype at = 0; at < intact.size(); at += 1 + flips.bounded(at < directory ? 2000 : 200'000)) {
    QByteArray damaged = intact;
    damaged[at] = char(damaged[at] ^ (1 + flips.bounded(255)));
    library.world.writeFile(combined, damaged);
    index.takeUnusable();
    indexedReadsOfOneSearch();
    ASSERT_FALSE(::testing::Test::HasFailure()) << "byte " << at << " of " << intact.size();
  }
  // Cut short anywhere, or gone: the catalogues are read whole, and none is up to date.
  for (const qsizetype size : {qsizetype(0), qsizetype(55), qsizetype(4000), intact.size() / 2, intact.size() - 1}) {
    library.world.writeFile(combined, intact.left(size));
    EXPECT_EQ(indexedReadsOfOneSearch(), 0) << size;
    EXPECT_NE(index.stateOf(library.catalogue("Disc a")), PartState::Fresh) << size;
  }
  QFile::remove(combined);
  EXPECT_EQ(indexedReadsOfOneSearch(), 0);
  // What the searches noted makes the index again (parts, for so few catalogues), and it
  // answers as before.
  index.updateAfterSearch();
  EXPECT_EQ(indexedReadsOfOneSearch(), 4);
  // Damage that a search finds inside the lists is noted too, and repaired the same way.
  index.build(true);
  QByteArray damaged = TempWorld::readFile(combined);
  ASSERT_FALSE(damaged.isEmpty());
  for (qsizetype at = 200; at < directory; at += 100) damaged[at] = char(damaged[at] ^ 0x55);
  library.world.writeFile(combined, damaged);
  EXPECT_EQ(indexedReadsOfOneSearch(), 0);
  index.updateAfterSearch();
  EXPECT_EQ(indexedReadsOfOneSearch(), 4);
  EXPECT_TRUE(index.takeUnusable().isEmpty());
}

TEST(IndexedSearch, AnUpdateAfterManyChangesFoldsThePartsIntoTheCombinedIndex) {
  RandomLibrary random(17);
  IndexedLibrary library(random, Form::Combined);
  SearchIndex& index = library.index;
  // Two catalogues written anew, one dropped from the list, six new: nine outside the
  // combined index, one more than an update leaves in parts. ÉTÉ and the split files stay.
  QStringList discs = {"disc B", "ÉTÉ", "c* d"};
  for (const QString& name : QStringList{"disc B", "c* d"}) library.world.writeFile(library.catalogue(name), random.catalogue(300));
  for (int n = 1; n <= 6; ++n) {
    discs += QStringLiteral("new %1").arg(n);
    library.world.writeFile(library.catalogue(discs.back()), random.catalogue(200));
  }
  library.world.writeFile(library.world.dataPath() + "QM.tex", (discs.join("\r\n") + "\r\n").toUtf8());
  const auto sources = discSources(library.world.dataPath(), discs);
  const SearchIndex::Update update = index.update();
  EXPECT_EQ(update.rebuilt, 8);
  EXPECT_EQ(update.catalogues, 11);  // with the two split files
  QStringList parts;
  for (QDirIterator it(library.world.dataPath() + ".quilmo/index", {"*.qix"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
    parts += it.next();
  EXPECT_EQ(parts, QStringList());
  const CombinedIndex combined(index.combinedPath());
  ASSERT_TRUE(combined.usable());
  EXPECT_EQ(combined.discCount(), 11u);  // the three kept and the eight indexed
  EXPECT_FALSE(combined.discOf("Disc a"));
  for (const QString& catalogue : SearchIndex::catalogues(library.world.dataPath()))
    EXPECT_EQ(index.stateOf(catalogue, combined), PartState::Fresh) << catalogue.toStdString();
  // Its lists, some copied from the earlier index under new numbers, answer as reading whole.
  for (int round = 0; round < 20; ++round) {
    const QStringList words = scope::splitSearchWords(random.words());
    const qint64 before = index.indexedReads();
    const Result indexed = searched(words, sources, false, {}, &index);
    ASSERT_EQ(indexed, searched(words, sources, false, {}, nullptr)) << words.join(u'|').toStdString();
    if (IndexQuery(std::vector<SearchWord>(words.begin(), words.end())).usable()) {
      EXPECT_EQ(index.indexedReads() - before, 9);
    }
  }
}

TEST(IndexedSearch, PartsThatARebuildCutShortLeftBesideTheCombinedIndexGoAtTheNextUpdate) {
  RandomLibrary random(19);
  IndexedLibrary library(random, Form::Parts);
  auto parts = [&] {
    QMap<QString, QByteArray> found;
    for (QDirIterator it(library.world.dataPath() + ".quilmo/index", {"*.qix"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
      const QString part = it.next();
      found[part] = TempWorld::readFile(part);
    }
    return found;
  };
  const auto written = parts();
  ASSERT_EQ(written.size(), 6);
  library.index.build(true);
  ASSERT_TRUE(parts().isEmpty());
  // Killed after writing every part anew, before combining them: both are there.
  for (auto part = written.begin(); part != written.end(); ++part) library.world.writeFile(part.key(), part.value());
  EXPECT_EQ(library.index.update().rebuilt, 0);
  EXPECT_TRUE(parts().isEmpty());
  const CombinedIndex combined(library.index.combinedPath());
  for (const QString& catalogue : SearchIndex::catalogues(library.world.dataPath()))
    EXPECT_EQ(library.index.stateOf(catalogue, combined), PartState::Fresh) << catalogue.toStdString();
}

TEST(IndexChecksum, GivesTheStandardValueAndTheSameSumWholeOrInPieces) {
  EXPECT_EQ(quilmo::search::crc32c("123456789", 9), 0xE3069283u);
  // Long stretches are summed in lanes joined afterwards; pieces of any length continue a sum.
  QByteArray bytes(20000, Qt::Uninitialized);
  QRandomGenerator random(7);
  for (char& c : bytes) c = char(random.bounded(256));
  for (const qsizetype size : {qsizetype(0), qsizetype(1535), qsizetype(1536), qsizetype(4611), bytes.size()}) {
    std::uint32_t pieces = 0;
    for (qsizetype at = 0; at < size; at += 7) pieces = quilmo::search::crc32c(bytes.constData() + at, std::size_t(std::min<qsizetype>(7, size - at)), pieces);
    EXPECT_EQ(quilmo::search::crc32c(bytes.constData(), std::size_t(size)), pieces) << size;
  }
}

TEST(IndexNames, OnlyCataloguesInsideTheDataFolderHaveANameInTheIndex) {
  TempWorld world;
  const SearchIndex index(world.dataPath());
  EXPECT_EQ(index.nameOf(world.dataPath() + "Disc a.rtf"), "Disc a");
  EXPECT_EQ(index.nameOf(world.dataPath() + "Split-9/JPG.RTF"), "Split-9/JPG");
  EXPECT_EQ(index.partPath(world.dataPath() + "Split-9/JPG.rtf"), world.dataPath() + ".quilmo/index/Split-9/JPG.qix");
  for (const QString& outside : {world.root() + "other.rtf", world.dataPath() + ".quilmo/index/x.rtf",
                                 world.dataPath() + "Split-9/../../x.rtf", world.dataPath() + "Split-9/..", world.dataPath()})
    EXPECT_EQ(index.nameOf(outside), QString()) << outside.toStdString();
}

TEST(IndexBlockSets, TheNextBlockIsFoundAcrossWordsAndNeverAtOrPastTheLimit) {
  const BlockSet blocks = {std::uint64_t(1) << 63, 0, 1 | std::uint64_t(1) << 5};  // blocks 63, 128 and 133
  EXPECT_EQ(nextBlock(blocks, 0, 200), 63u);
  EXPECT_EQ(nextBlock(blocks, 63, 200), 63u);
  EXPECT_EQ(nextBlock(blocks, 64, 200), 128u);
  EXPECT_EQ(nextBlock(blocks, 129, 200), 133u);
  EXPECT_EQ(nextBlock(blocks, 134, 200), 200u);  // past the set's words: none
  EXPECT_EQ(nextBlock(blocks, 64, 130), 128u);
  EXPECT_EQ(nextBlock(blocks, 129, 132), 132u);  // the limit, not block 133 past it
  EXPECT_EQ(nextBlock(blocks, 0, 40), 40u);
  EXPECT_EQ(nextBlock({}, 0, 7), 7u);
}
