#include <gtest/gtest.h>

#include "support/TempWorld.h"
#include "widgets/LineIndex.h"

using namespace quilmo;

namespace {

LineIndex loaded(const QByteArray& bytes) {
  test::TempWorld world;
  const QString path = world.root() + QStringLiteral("cat.rtf");
  world.writeFile(path, bytes);
  LineIndex index;
  QString error;
  EXPECT_TRUE(index.load(path, &error)) << error.toStdString();
  return index;
}

}  // namespace

TEST(LineIndex, CountsPositionsAndLinesAlikeForLfAndCrLf) {
  for (const QByteArray& breakBytes : {QByteArray("\n"), QByteArray("\r\n")}) {
    const LineIndex index = loaded("ab" + breakBytes + "cde" + breakBytes + breakBytes + "f");
    EXPECT_EQ(index.length(), 9);  // ab + cde + f and three breaks of one character each
    EXPECT_EQ(index.lineCount(), 4);
    EXPECT_EQ(index.lineOfPosition(0), 0);
    EXPECT_EQ(index.lineOfPosition(2), 0);  // the break belongs to its line
    EXPECT_EQ(index.lineOfPosition(3), 1);
    EXPECT_EQ(index.lineOfPosition(7), 2);
    EXPECT_EQ(index.lineOfPosition(8), 3);
    EXPECT_EQ(index.lineText(1), QString("cde"));
    EXPECT_EQ(index.lineText(2), QString());
    EXPECT_EQ(index.text(), QString("ab\ncde\n\nf"));
    EXPECT_EQ(index.text(1, 4), QString("b\ncd"));
  }
}

TEST(LineIndex, ATrailingBreakAddsNoLineAndAnEmptyTextHasOne) {
  EXPECT_EQ(loaded("a\r\nb\r\n").lineCount(), 2);
  EXPECT_EQ(loaded("a\r\nb\r\n").rowCount(), 3);  // the caret may stand on the empty last row
  EXPECT_EQ(loaded("\r\n").lineCount(), 1);
  const LineIndex empty = loaded("");
  EXPECT_EQ(empty.length(), 0);
  EXPECT_EQ(empty.lineCount(), 1);
  EXPECT_EQ(empty.lineOfPosition(0), 0);
  EXPECT_EQ(empty.find(u"a", 0), -1);
  EXPECT_EQ(LineIndex().lineCount(), 1);
}

TEST(LineIndex, CountsMultiByteCharactersAsQStringDoes) {
  // é is two bytes, 中 three, 😀 four bytes and two UTF-16 units.
  const LineIndex index = loaded(QString::fromUtf8("é中😀x\r\nzé").toUtf8());
  EXPECT_EQ(index.length(), 8);
  EXPECT_EQ(index.lineText(0), QString::fromUtf8("é中😀x"));
  EXPECT_EQ(index.lineText(0, 2), QString::fromUtf8("é中"));
  EXPECT_EQ(index.lineOfPosition(6), 1);
  EXPECT_EQ(index.find(u"X", 0), 4);
  EXPECT_EQ(index.find(u"Z", 0), 6);
  EXPECT_EQ(index.find(u"É", 1), 7);
  EXPECT_EQ(index.text(2, 3), QString::fromUtf8("😀x"));
}

TEST(LineIndex, InvalidBytesBecomeReplacementCharactersConsistently) {
  const LineIndex index = loaded("a\xff\xfe" "b\ncut\xe4\xb8\nok");
  EXPECT_EQ(index.lineText(0), QStringView(u"a\uFFFD\uFFFDb").toString());
  EXPECT_EQ(index.lineStart(1), 5);
  EXPECT_EQ(index.lineStart(2), index.lineStart(1) + index.lineText(1).size() + 1);
  EXPECT_EQ(index.find(u"ok", 0), index.lineStart(2));
  EXPECT_EQ(index.find(u"B", 0), 3);
  EXPECT_EQ(index.text().size(), index.length());
}

TEST(LineIndex, FindsWithoutRegardToCaseFromAPosition) {
  const LineIndex index = loaded("\"E:\\DOCS\\\",\"Beach.jpg\"\r\n\"E:\\ÉTÉ\\\",\"beach.JPG\"\r\n");
  EXPECT_EQ(index.find(u"BEACH", 0), 12);
  EXPECT_EQ(index.find(u"beach", 13), 23 + 11);
  EXPECT_EQ(index.find(u"été", 0), 27);  // a word with non-ASCII letters
  EXPECT_EQ(index.find(u"jpg\"\n\"e", 0), 18);  // across a line break
  EXPECT_EQ(index.find(u"", 0), -1);
  EXPECT_EQ(index.find(u"a|b", 0), -1);  // the pipe is a plain character here
  EXPECT_EQ(index.find(u"beach", -5), 12);
  EXPECT_EQ(index.find(u"beach", 1000), -1);
}

TEST(LineIndex, FindsLettersWhoseCapitalIsAscii) {
  // The capitals of dotless i and long s are I and S.
  const LineIndex index = loaded(QString::fromUtf8("e is\nbeıſ").toUtf8());
  EXPECT_EQ(index.find(u"EIS", 0), 6);
  EXPECT_EQ(index.find(u"ß", 0), -1);
}

TEST(LineIndex, AppendExtendsTheLastLineAndJoinsASplitCrLf) {
  LineIndex index;
  index.setText(u"one\r");
  index.append(u"\ntwo");
  EXPECT_EQ(index.lineCount(), 2);
  EXPECT_EQ(index.length(), 7);
  index.append(u" more\nthree");
  EXPECT_EQ(index.lineText(1), QString("two more"));
  EXPECT_EQ(index.find(u"THREE", 0), 13);
  EXPECT_EQ(index.longestLine(), 8);
  index.clear();
  EXPECT_EQ(index.length(), 0);
  EXPECT_EQ(index.lineCount(), 1);
}

TEST(LineIndex, AMissingFileLeavesItEmptyWithAReason) {
  LineIndex index;
  index.setText(u"old");
  QString error;
  EXPECT_FALSE(index.load(QStringLiteral("/nonexistent/quilmo/x.rtf"), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(index.length(), 0);
}
