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

// The randomised comparison covers the rules broadly; these are the cases that document them.
TEST(HitTest, NamedEdgeCasesOfCapitalsCaseAndWholeWords) {
  // Positions count characters, not bytes; ß has no one-letter capital; ı and ſ have ASCII ones.
  EXPECT_EQ(at("été Straße", "STRASSE"), -1);
  EXPECT_EQ(at("été Straße", "straße"), 4);
  EXPECT_EQ(at("\"E:\\\",\"ſnap ıt\"", "SNAP IT"), 7);
  EXPECT_FALSE(caseHit("Catalog cat", "cat"));  // only the first occurrence is judged
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
