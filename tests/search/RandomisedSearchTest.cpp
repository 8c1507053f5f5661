// The fast engine against a plain reading of the rules: every line, every word, pairwise
// duplicate comparison, on random catalogues with mixed case, separators, non-ASCII
// letters, odd line ends and broken UTF-8, for every combination of the options.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QScopeGuard>
#include <array>

#include "platform/TextCase.h"
#include "search/VectorLanes.h"
#include "search/SearchQueue.h"
#include "SearchFixture.h"

using namespace quilmo;
using namespace quilmo::search;

namespace {

struct Source {
  QString name;
  QByteArray bytes;  // absent file when null
};

struct Reference {
  QStringList hits;
  QStringList hitsInCapitals;
  std::vector<qint64> scanAtHit;
  qint64 scanCount = 0;
};

// Lines split at LF, a CR before it dropped; each line read as UTF-8.
QStringList linesOf(const QByteArray& bytes) {
  QStringList lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    QByteArray line = bytes.mid(start, end - start);
    if (end < bytes.size() && line.endsWith('\r')) line.chop(1);
    lines += QString::fromUtf8(line);
    start = end + 1;
  }
  return lines;
}

bool separator(const QString& line, qsizetype i) {
  return i < 0 || i >= line.size() || QStringLiteral("\\/,.'][{}+-_)(&^%$#@!~`=; ").contains(line[i]);
}

Reference referenceSearch(const QStringList& words, std::vector<Source> sources, const SearchOptions& o, bool split) {
  std::stable_sort(sources.begin(), sources.end(),
                   [](const Source& a, const Source& b) { return compareIgnoringCase(a.name, b.name) < 0; });
  Reference ref;
  QStringList reported;  // RduB
  for (const Source& source : sources) {
    if (source.bytes.isNull()) continue;
    for (const QString& line : linesOf(source.bytes)) {
      for (const QString& word : words) {
        ++ref.scanCount;
        const qsizetype p = upperCased(line).indexOf(upperCased(word));
        if (p < 0) continue;
        if (o.caseOn && line.mid(p, word.size()) != word) continue;
        if (o.wordOnly && !(separator(line, p - 1) && separator(line, p + word.size()))) continue;
        auto typeFits = [&](const QString& text) {
          if (split || o.selectedTypes.isEmpty()) return true;
          for (const QString& type : o.selectedTypes)
            if (upperCased(text).right(type.size()) == type) return true;
          return false;
        };
        if (o.autoRemoveDoubles) {
          const QString name = line.mid(line.lastIndexOf(u'\\') + 1);
          if (!upperCased(name).contains(upperCased(word)) || !typeFits(name)) continue;
          if (indexIgnoringCase(reported, name) >= 0) continue;
          reported += name;
        } else {
          bool listed = false;
          for (const QString& upper : ref.hitsInCapitals)
            listed = listed || upper.mid(upper.indexOf(QStringLiteral("* ")) + 2) == upperCased(line);
          if (listed || !typeFits(line)) continue;
        }
        ref.hits += u'*' + source.name + QStringLiteral("* ") + line;
        ref.hitsInCapitals += upperCased(ref.hits.back());
        ref.scanAtHit.push_back(ref.scanCount);
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

  quint32 bounded(quint32 n) { return random_.bounded(n); }

 private:
  QRandomGenerator random_;
};

}  // namespace

TEST(RandomisedSearch, EngineMatchesThePlainRulesForEveryOptionCombination) {
  const auto widest = qScopeGuard([] { limitVectorWidth(512); });
  for (quint32 seed = 1; seed <= 150; ++seed) {
    // Each vector width of the scans, and none, on a quarter of the seeds.
    limitVectorWidth(std::array{512, 256, 128, 0}[seed % 4]);
    RandomText random(seed);
    test::TempWorld world;
    std::vector<Source> sources;
    QStringList seen;
    for (const char* name : {"disc B", "Disc a", "c* d", "missing", "ÉTÉ"}) {
      Source source{name, QString(name) == "missing" ? QByteArray() : random.file(seen)};
      if (!source.bytes.isNull()) world.writeFile(world.dataPath() + source.name + ".rtf", source.bytes);
      sources.push_back(source);
    }
    QStringList names;
    for (const Source& s : sources) names += s.name;
    const QStringList words = random.words();
    for (int combination = 0; combination < 16; ++combination) {
      SearchOptions options;
      options.caseOn = combination & 1;
      options.wordOnly = combination & 2;
      options.autoRemoveDoubles = combination & 4;
      if (combination & 8) options.selectedTypes = {"A\"", "É\""};
      const Reference ref = referenceSearch(words, sources, options, false);

      test::RecordingListener listener;
      listener.current = options;
      listener.callerReads = (seed + combination) % 2;  // or only the workers read
      const SearchOutcome out = GlobalSearch(words, discSources(world.dataPath(), names), false).run(listener);
      ASSERT_EQ(test::hitTexts(out.hits), ref.hits) << "seed " << seed << " options " << combination;
      ASSERT_EQ(out.scanCount, ref.scanCount) << "seed " << seed;
      for (std::size_t i = 0; i < listener.atHit.size(); ++i)
        ASSERT_EQ(listener.atHit[i].scanCount, ref.scanAtHit[i]) << "seed " << seed << " hit " << i;
    }
  }
}

TEST(RandomisedSearch, LongFilesAndLinesLongerThanABlockGiveTheSameHits) {
  RandomText random(7);
  test::TempWorld world;
  QByteArray bytes;
  QStringList seen;
  while (bytes.size() < 3 * 1024 * 1024) {
    bytes += random.file(seen);
    if (!bytes.endsWith('\n')) bytes += "\r\n";
    if (bytes.size() > 1024 * 1024 && bytes.size() < 1100 * 1024)
      bytes += QByteArray(1536 * 1024, 'x') + "needle" + QByteArray(70, 'y') + "\r\n";  // longer than a block
  }
  world.writeFile(world.dataPath() + "big.rtf", bytes);
  const QStringList few = {"needle", "жжж", "ſſſ", "Cat.\""};
  const QStringList many = {"needle", "жжж", "Cat.\"", "bbbb", "QQ", "zz9", "#@", "xyzzy", "kkkk", "plugh"};
  for (const QStringList& words : {few, many, many.mid(0, 6)}) {
    SearchOptions options;
    options.wordOnly = words.size() == 4;
    const Reference ref = referenceSearch(words, {{"big", bytes}}, options, false);
    test::RecordingListener listener;
    listener.current = options;
    const SearchOutcome out = GlobalSearch(words, discSources(world.dataPath(), {"big"}), false).run(listener);
    EXPECT_EQ(test::hitTexts(out.hits), ref.hits);
    EXPECT_EQ(out.scanCount, ref.scanCount);
  }
}
