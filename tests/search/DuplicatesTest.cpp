#include <gtest/gtest.h>

#include "search/Duplicates.h"

using namespace quilmo::search;

namespace {

struct Key {
  QByteArray upper;
  LineKey key() const { return {std::string_view(upper.constData(), std::size_t(upper.size())), hashOfKey({upper.constData(), std::size_t(upper.size())})}; }
};

Key keyOf(const QByteArray& line) { return {upperBytes(LineText(line))}; }

}  // namespace

TEST(Duplicates, ManyLinesStayFindableAcrossGrowth) {
  HitLines hits;
  Duplicates duplicates(hits);
  const QByteArray source = "disc";
  for (int i = 0; i < 300000; ++i) {
    const QByteArray line = "\"E:\\\",\"file" + QByteArray::number(i) + ".txt\"";
    const Key key = keyOf(line);
    ASSERT_FALSE(duplicates.lineListed(key.key())) << i;
    hits.add(source, line);
    duplicates.addHit(hits.size() - 1, keyStart(source), key.key(), true);
  }
  for (int i = 0; i < 300000; i += 997)
    EXPECT_TRUE(duplicates.lineListed(keyOf("\"E:\\\",\"FILE" + QByteArray::number(i) + ".TXT\"").key())) << i;
  EXPECT_FALSE(duplicates.lineListed(keyOf("\"E:\\\",\"file300000.txt\"").key()));
}

TEST(Duplicates, ASourceHoldingAStarAndBlankMovesTheComparedText) {
  HitLines hits;
  Duplicates duplicates(hits);
  // "*a* b* line": the text after the first "* " is "b* line", not "line".
  const QByteArray source = "a* b", line = "line";
  hits.add(source, line);
  duplicates.addHit(0, keyStart(source), keyOf(line).key(), true);
  EXPECT_EQ(keyStart(source), 4);
  EXPECT_FALSE(duplicates.lineListed(keyOf("line").key()));
  EXPECT_TRUE(duplicates.lineListed(keyOf("B* LINE").key()));
  // File names compare without regard to case, é and É included.
  EXPECT_TRUE(duplicates.addFileName(u"\",\"été.jpg\""));
  EXPECT_FALSE(duplicates.addFileName(u"\",\"ÉTÉ.JPG\""));
}
