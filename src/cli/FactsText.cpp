#include "cli/FactsText.h"

#include "platform/NumberFormat.h"

namespace quilmo::cli {

QDateTime fileTime(qint64 nanoseconds) {
  // Rounded down, so a time before 1970 stays in its own second.
  const qint64 milliseconds = nanoseconds / 1'000'000 - (nanoseconds % 1'000'000 < 0 ? 1 : 0);
  return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

QString sizeText(qint64 bytes) {
  static const char* const kUnits[] = {"KiB", "MiB", "GiB", "TiB"};
  if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
  double value = double(bytes);
  int unit = -1;
  while (unit < 3 && value >= 1024) {
    value /= 1024;
    ++unit;
  }
  return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(kUnits[unit]));
}

QString bytesText(qint64 bytes) {
  return QStringLiteral("%1 bytes (%2)").arg(grouped(double(bytes)), sizeText(bytes));
}

QString localTimeText(const QDateTime& time) { return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QString utcTimeText(const QDateTime& time) { return time.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")); }

}  // namespace quilmo::cli
