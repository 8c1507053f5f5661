#include <gtest/gtest.h>

#include "platform/TextCase.h"
#include "search/HitTest.h"

using namespace quilmo::search;

namespace {

qsizetype at(const char* line, const char* word) {
  return firstOccurrence(LineText(QByteArray(line)), SearchWord(QString::fromUtf8(word)));
}

bool caseHit(const char* line, const char* word) {
  const QByteArray bytes(line);
  const LineText text(bytes);
  const SearchWord w(QString::fromUtf8(word));
  const qsizetype p = firstOccurrence(text, w);
  return p >= 0 && passesCase(text, w, p);
}

bool wordHit(const QByteArray& line, const char* word) {
  const LineText text(line);
  const SearchWord w(QString::fromUtf8(word));
  const qsizetype p = firstOccurrence(text, w);
  return p >= 0 && passesWordOnly(text, w, p);
}

}  // namespace

TEST(HitTest, FindsTheFirstOccurrenceInCapitals) {
  EXPECT_EQ(at("Catalog cat", "cat"), 0);
  EXPECT_EQ(at("\"E:\\PICS\\\",\"Beach.JPG\"", "beach"), 12);
  EXPECT_EQ(at("nothing here", "cat"), -1);
  EXPECT_EQ(at("any line", ""), 0);  // an empty word is at the first character
  // Positions count characters of the text, not bytes: é is two bytes.
  EXPECT_EQ(at("été Straße", "STRASSE"), -1);  // ß has no one-letter capital
  EXPECT_EQ(at("été Straße", "straße"), 4);
  EXPECT_EQ(at("ЖУРНАЛ журнал", "журнал"), 0);
  // The dotless i and the long s have the ASCII capitals I and S.
  EXPECT_EQ(at("\"E:\\\",\"ſnap ıt\"", "SNAP IT"), 7);
}

TEST(HitTest, CaseSensitiveJudgesOnlyTheFirstOccurrence) {
  EXPECT_FALSE(caseHit("Catalog cat", "cat"));  // the first occurrence is "Cat"
  EXPECT_TRUE(caseHit("Catalog cat", "Cat"));
  EXPECT_TRUE(caseHit("a cat", "cat"));
  EXPECT_FALSE(caseHit("ÉTÉ", "été"));
  EXPECT_TRUE(caseHit("x été", "été"));
}

TEST(HitTest, WordOnlyNeedsSeparatorsOrTheLineEnds) {
  EXPECT_TRUE(wordHit("a_cat.txt", "cat"));
  EXPECT_FALSE(wordHit("tomcat.txt", "cat"));
  EXPECT_FALSE(wordHit("cats", "cat"));
  EXPECT_TRUE(wordHit("cat at the start", "cat"));  // nothing before: counts as a separator
  EXPECT_TRUE(wordHit("ends with doc", "doc"));      // nothing after: counts as a separator
  EXPECT_FALSE(wordHit("\"cat\"", "cat"));           // the double quote is no separator
  EXPECT_FALSE(wordHit("écat", "cat"));              // nor is a non-ASCII letter
  // Only the first occurrence counts, even when a later one stands alone.
  EXPECT_FALSE(wordHit("tomcat cat", "cat"));
  for (const char separator : QByteArray(kWordSeparators)) {
    EXPECT_TRUE(wordHit(QByteArray("x") + separator + "cat" + separator + "y", "cat")) << separator;
    EXPECT_TRUE(isWordSeparator(QChar(separator)));
  }
  EXPECT_EQ(QByteArray(kWordSeparators).size(), 26);
  for (const char other : QByteArray("\"*?:<>|aZ09\t"))
    EXPECT_FALSE(wordHit(QByteArray("x") + other + "cat" + other, "cat")) << other;
}

TEST(HitTest, FileNamePartAndFileTypes) {
  EXPECT_EQ(fileNamePart(u"\"E:\\DOCS\\\",\"a.txt\""), u"\",\"a.txt\"");
  EXPECT_EQ(fileNamePart(u"12 files : 3 folders"), u"12 files : 3 folders");
  EXPECT_TRUE(passesFileType(u"anything", {}));
  EXPECT_TRUE(passesFileType(u"photo.jpg", {"GIF", "JPG"}));
  EXPECT_FALSE(passesFileType(u"photo.jpeg", {"JPG"}));
  // A catalogue line ends with a double quote, so no type fits it.
  EXPECT_FALSE(passesFileType(u"\"E:\\\",\"photo.jpg\"", {"JPG"}));
  EXPECT_TRUE(passesFileType(u"\"E:\\\",\"photo.jpg\"", {"JPG\""}));
  // Types are compared as stored: a type in small letters never fits.
  EXPECT_FALSE(passesFileType(u"photo.jpg", {"jpg"}));
}

TEST(HitTest, OnlyTheDotlessIAndTheLongSHaveASCIICapitals) {
  // The prefilter looks for every ASCII capital but I and S as its own two bytes, which
  // holds only if no other character upper-cases to ASCII.
  QList<char32_t> toAscii;
  for (char32_t c = 0x80; c <= 0x10FFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const QString upper = quilmo::upperCased(QString::fromUcs4(&c, 1));
    if (upper.size() == 1 && upper[0].unicode() < 0x80) toAscii += c;
  }
  EXPECT_EQ(toAscii, QList<char32_t>({0x131, 0x17F}));
}
