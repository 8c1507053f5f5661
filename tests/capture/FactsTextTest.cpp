#include <gtest/gtest.h>

#include "capture/FactsText.h"

using namespace quilmo::capture;

TEST(FactsText, SizesTakeTheUnitTheyRoundToAndKeepTheExactBytes) {
  EXPECT_EQ(sizeText(0), "0 bytes");
  EXPECT_EQ(sizeText(1), "1 byte");
  EXPECT_EQ(sizeText(999), "999 bytes");
  EXPECT_EQ(sizeText(1000), "1.0 kB (1,000 bytes)");
  EXPECT_EQ(sizeText(1'234'567), "1.2 MB (1,234,567 bytes)");
  EXPECT_EQ(sizeText(999'949), "999.9 kB (999,949 bytes)");
  EXPECT_EQ(sizeText(999'950), "1.0 MB (999,950 bytes)");
  EXPECT_EQ(sizeText(4'700'000'000), "4.7 GB (4,700,000,000 bytes)");
  EXPECT_EQ(sizeText(2'000'000'000'000'000'000), "2.0 EB (2,000,000,000,000,000,000 bytes)");
}

TEST(FactsText, AFileReadsItsSizeAndItsLocalTimeOrThatItWasNotAsked) {
  const QDateTime local(QDate(2024, 3, 5), QTime(14, 22, 59, 999), Qt::LocalTime);
  const qint64 nanoseconds = local.toMSecsSinceEpoch() * 1'000'000 + 999'999;
  EXPECT_EQ(fileFactText({1'234'567, nanoseconds}), "1.2 MB (1,234,567 bytes), 2024-03-05 14:22");
  const QDateTime before1970(QDate(1969, 12, 31), QTime(23, 59, 59), Qt::UTC);
  EXPECT_EQ(fileFactText({0, -1}), "0 bytes, " + before1970.toLocalTime().toString("yyyy-MM-dd HH:mm"));
  EXPECT_EQ(fileFactText({}), "size and date not recorded");
}
