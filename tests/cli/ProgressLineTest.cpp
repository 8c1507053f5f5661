// The progress line on a fake terminal: a clock the test moves, a width it sets, and the
// bytes the line writes.
#include <gtest/gtest.h>

#include "cli/ProgressLine.h"

using quilmo::cli::ProgressLine;

namespace {
struct FakeTerminal {
  qint64 now = 5000;  // the line counts its time from its own start, not the clock's zero
  int columns = 80;
  QStringList written;
  ProgressLine line(bool shown) {
    return ProgressLine({[this] { return now; }, [this] { return columns; },
                         [this](const QString& text) { written += text; }},
                        shown);
  }
  // Draws when due, as the commands do, at each millisecond in [from, to).
  int drawsBetween(ProgressLine& line, qint64 from, qint64 to) {
    const qsizetype before = written.size();
    for (now = from; now < to; ++now)
      if (line.due()) line.draw(QStringLiteral("HITS: 1"));
    return int(written.size() - before);
  }
};
}  // namespace

TEST(ProgressLineTest, DrawsAtOnceThenAtMostTenTimesASecondCutToTheWidthAndErasesItself) {
  FakeTerminal terminal;
  {
    ProgressLine line = terminal.line(true);
    EXPECT_EQ(terminal.drawsBetween(line, 5000, 5100), 1) << "the first call draws, the next 99 ms do not";
    EXPECT_EQ(terminal.drawsBetween(line, 5100, 6100), 10);
    EXPECT_EQ(terminal.written.first(), "\r0:00  HITS: 1\033[K");

    terminal.now = 5000 + 83'400;  // 1 min 23.4 s
    terminal.columns = 12;         // the last column stays free
    line.draw(QStringLiteral("DIR: 2  FILES: 30  E:\\DOCS\\"));
    EXPECT_EQ(terminal.written.last(), "\r1:23  DIR: \033[K");
    terminal.columns = 13;  // a surrogate pair is not cut in half
    line.draw(QStringLiteral("DIR: \U0001F4BFx"));
    EXPECT_EQ(terminal.written.last(), "\r1:23  DIR: \033[K");

    line.clear();
    EXPECT_EQ(terminal.written.last(), "\r\033[K");
    const qsizetype cleared = terminal.written.size();
    line.clear();
    EXPECT_EQ(terminal.written.size(), cleared) << "an erased line is not erased again";
    line.draw(QStringLiteral("again"));
  }
  EXPECT_EQ(terminal.written.last(), "\r\033[K") << "a line still on the screen is erased when it ends";
}

TEST(ProgressLineTest, ALineNotShownIsNeverDueAndWritesNothing) {
  FakeTerminal terminal;
  {
    ProgressLine line = terminal.line(false);
    EXPECT_EQ(terminal.drawsBetween(line, 5000, 5500), 0);
    line.draw(QStringLiteral("HITS: 1"));
    line.clear();
  }
  EXPECT_TRUE(terminal.written.isEmpty()) << terminal.written.join(u'|').toStdString();
}
