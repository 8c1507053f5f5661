#include <gtest/gtest.h>

#include "widgets/TextMotion.h"

using namespace quilmo;

namespace {

LineIndex textOf(QStringView text) {
  LineIndex index;
  index.setText(text);
  return index;
}

}  // namespace

TEST(TextMotion, KeepsTheColumnAndStaysInsideTheText) {
  const LineIndex text = textOf(u"abcd\r\nef\r\n\r\nghijk");  // rows start at 0, 5, 8, 9
  EXPECT_EQ(movedPosition(text, 3, Motion::LineDown, 1), 7);  // "ef" is shorter: its end
  EXPECT_EQ(movedPosition(text, 3, Motion::PageDown, 2), 8);  // the empty line
  EXPECT_EQ(movedPosition(text, 3, Motion::PageDown, 50), 12);
  EXPECT_EQ(movedPosition(text, 11, Motion::PageUp, 50), 2);
  EXPECT_EQ(movedPosition(text, 2, Motion::LineUp, 1), 2);
  EXPECT_EQ(movedPosition(text, 0, Motion::CharLeft, 1), 0);
  EXPECT_EQ(movedPosition(text, 4, Motion::CharRight, 1), 5);  // over the CR LF in one step
  EXPECT_EQ(movedPosition(text, 14, Motion::CharRight, 1), 14);
  EXPECT_EQ(movedPosition(text, 6, Motion::LineStart, 1), 5);
  EXPECT_EQ(movedPosition(text, 10, Motion::LineEnd, 1), 14);
  EXPECT_EQ(movedPosition(text, 6, Motion::Bottom, 1), 14);
  EXPECT_EQ(movedPosition(text, 6, Motion::Top, 1), 0);
  EXPECT_EQ(movedPosition(textOf(u""), 0, Motion::LineDown, 1), 0);
}

TEST(TextMotion, FindsTheWordOrLineUnderAPosition) {
  const LineIndex text = textOf(u"\"E:\\été_2\\\",\"a b.txt\"\r\n\r\nlast");
  const auto word = [&](qint64 position) {
    const TextSpan span = wordAt(text, position);
    return text.text(span.start, span.length);
  };
  EXPECT_EQ(word(5), QStringLiteral("été_2"));
  EXPECT_EQ(word(9), QStringLiteral("été_2"));  // just after the word
  EXPECT_EQ(word(3), QStringLiteral("\\"));     // between words: the one character
  EXPECT_EQ(word(16), QStringLiteral("b"));
  EXPECT_EQ(word(22), QString());               // an empty line
  EXPECT_EQ(word(27), QStringLiteral("last"));  // the end of the text

  const TextSpan first = lineAt(text, 10);
  EXPECT_EQ(text.text(first.start, first.length), QStringLiteral("\"E:\\été_2\\\",\"a b.txt\""));
  EXPECT_EQ(lineAt(text, 22).length, 0);
}
