// The matcher: the hit test of one occurrence, the prefilter's scan and the duplicate rules.
#include <gtest/gtest.h>

#include <QScopeGuard>

#include "search/matcher/Duplicates.h"
#include "search/matcher/HitTest.h"
#include "search/matcher/Prefilter.h"
#include "search/matcher/VectorLanes.h"

using namespace quilmo::search;

namespace {

qsizetype at(const char* line, const char* word) {
  return firstOccurrence(LineText(QByteArray(line)), SearchWord(QString::fromUtf8(word)));
}

// Whether the first occurrence of word in line passes the option's test.
bool passes(bool (*test)(const LineText&, const SearchWord&, qsizetype), const QByteArray& line, const char* word) {
  const LineText text(line);
  const SearchWord w(QString::fromUtf8(word));
  const qsizetype p = firstOccurrence(text, w);
  return p >= 0 && test(text, w, p);
}
bool wordHit(const QByteArray& line, const char* word) { return passes(passesWordOnly, line, word); }

// The indexes of the lines the prefilter passes on, then the number of lines it counted.
std::vector<std::size_t> candidates(const QStringList& words, const QByteArray& buf) {
  std::vector<SearchWord> searchWords;
  for (const QString& word : words) searchWords.emplace_back(word);
  std::vector<std::size_t> found;
  const auto visit = [&](std::size_t, std::size_t, std::size_t index) { found.push_back(index); };
  found.push_back(Prefilter(searchWords).scan(buf.constData(), std::size_t(buf.size()), visit));
  return found;
}

// A line's key as the reader makes it, with its capitals.
struct Key {
  QByteArray upper;
  std::string_view view() const { return {upper.constData(), std::size_t(upper.size())}; }
  LineKey key() const { return {view(), hashOfKey(view())}; }
};
Key keyOf(const QByteArray& line) { return {upperBytes(LineText(line))}; }

}  // namespace

// The randomised comparison covers the rules broadly; these are the cases that document them.
TEST(HitTest, NamedEdgeCasesOfCapitalsCaseAndWholeWords) {
  // Positions count characters, not bytes; ß has no one-letter capital; ı and ſ have ASCII ones.
  EXPECT_EQ(at("été Straße", "STRASSE"), -1);
  EXPECT_EQ(at("été Straße", "straße"), 4);
  EXPECT_EQ(at("\"E:\\\",\"ſnap ıt\"", "SNAP IT"), 7);
  EXPECT_FALSE(passes(passesCase, "Catalog cat", "cat"));  // only the first occurrence is judged
  EXPECT_FALSE(wordHit("tomcat cat", "cat"));
  EXPECT_FALSE(wordHit("\"cat\"", "cat"));  // the double quote is no separator
  EXPECT_FALSE(wordHit("écat", "cat"));      // nor is a non-ASCII letter
  // Written out here, not taken from the product, so a separator that goes missing fails.
  for (const char separator : QByteArray("\\/,.'][{}+-_)(&^%$#@!~`=; ")) {
    EXPECT_TRUE(wordHit(QByteArray("x") + separator + "cat" + separator + "y", "cat")) << separator;
    EXPECT_TRUE(wordHit(QByteArray("é") + separator + "cat" + separator + "y", "cat")) << separator;
  }
  for (const char other : QByteArray("\"*?:<>|aZ09\t"))
    EXPECT_FALSE(wordHit(QByteArray("x") + other + "cat" + other, "cat")) << other;
  // The line's start and end delimit a word too, in ASCII lines and in others.
  for (const char* line : {"cat", "x cat", "cat x", "é cat", "cat é"}) EXPECT_TRUE(wordHit(line, "cat")) << line;
}

TEST(HitTest, FileTypesCompareTheLineEndAsStored) {
  EXPECT_EQ(fileNamePart(u"\"E:\\DOCS\\\",\"a.txt\""), u"\",\"a.txt\"");
  // A catalogue line ends with a double quote, so no bare type fits it.
  EXPECT_FALSE(passesFileType(u"\"E:\\\",\"photo.jpg\"", {"JPG"}));
  EXPECT_TRUE(passesFileType(u"\"E:\\\",\"photo.jpg\"", {"JPG\""}));
  EXPECT_FALSE(passesFileType(u"photo.jpg", {"jpg"}));  // a type in small letters never fits
}

TEST(Prefilter, EveryVectorWidthFindsTheWordAndCountsTheLinesAcrossTheBlockEnds) {
  const auto widest = qScopeGuard([] { limitVectorWidth(512); });
  for (const int width : {512, 256, 128, 0}) {
    limitVectorWidth(width);
    // The word and the line feeds move over every byte of the first two 64-byte steps.
    for (int at = 0; at < 140; ++at) {
      const QByteArray buf = QByteArray(at, 'x') + "kAmera\n" + QByteArray(at % 67, 'y') + "\nKAMERa" + QByteArray(200, 'z');
      ASSERT_EQ(candidates({"kamera"}, buf), (std::vector<std::size_t>{0, 2, 3})) << width << " at " << at;
    }
  }
}

TEST(Prefilter, WordsWithoutPlainAsciiCapitalsReachTheLinesThatMayHoldThem) {
  // I and S are the capitals of the dotless i and the long s too, so they are never probed.
  EXPECT_EQ(candidates({"kiwi", "SNAP"}, "a kıwı\nplain\nſnap\n"), (std::vector<std::size_t>{0, 2, 3}));
  // A word of non-ASCII capitals only: the lines with a byte above 127.
  EXPECT_EQ(candidates({"жж"}, "zh\nЖЖ\n"), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(candidates({"is"}, "a\nb"), (std::vector<std::size_t>{0, 1, 2}));  // nothing to probe
}

TEST(Duplicates, ASourceHoldingAStarAndBlankMovesTheComparedText) {
  HitLines hits;
  Duplicates duplicates(hits);
  // "*a* b* line": the text after the first "* " is "b* line", not "line".
  const QByteArray source = "a* b", line = "line";
  hits.add(source, line);
  duplicates.addHit(0, keyStart(source), keyOf(line).key(), true);
  EXPECT_FALSE(duplicates.lineListed(keyOf("line").key()));
  EXPECT_TRUE(duplicates.lineListed(keyOf("B* LINE").key()));
  // File names compare without regard to case, é and É included.
  EXPECT_TRUE(duplicates.addFileName(u"\",\"été.jpg\""));
  EXPECT_FALSE(duplicates.addFileName(u"\",\"ÉTÉ.JPG\""));
}

TEST(Duplicates, EveryHitStaysListedWhenTheTableGrows) {
  HitLines hits;
  Duplicates duplicates(hits);
  const QByteArray source = "disc";
  constexpr int kHits = 200000;  // the table grows from room for 3,072 hits past 98,000, twice
  for (int i = 0; i < kHits; ++i) {
    const QByteArray line = "\"E:\\\",\"file" + QByteArray::number(i) + ".txt\"";
    ASSERT_FALSE(duplicates.lineListed(keyOf(line).key())) << i;
    hits.add(source, line);
    duplicates.addHit(i, keyStart(source), keyOf(line).key(), true);
  }
  for (int i = 0; i < kHits; i += 997)
    EXPECT_TRUE(duplicates.lineListed(keyOf("\"e:\\\",\"FILE" + QByteArray::number(i) + ".TXT\"").key())) << i;
  // The hit lines stay where they were put, across chunks of places that grow.
  for (const int i : {0, 1023, 1024, 3071, 3072, 64511, 64512, 130047, 130048, kHits - 1})
    ASSERT_EQ(hits.at(i), "*disc* \"E:\\\",\"file" + QByteArray::number(i) + ".txt\"") << i;
  EXPECT_FALSE(duplicates.lineListed(keyOf("\"E:\\\",\"file200000.txt\"").key()));
}
