#include "capture/FactsText.h"

#include <array>
#include <chrono>
#include <cmath>

#include "platform/NumberFormat.h"

namespace quilmo::capture {

namespace {
QString orElse(const QString& text, const QString& fallback) { return text.isEmpty() ? fallback : text; }
}  // namespace

QString shortSizeText(qint64 bytes) {
  if (bytes == 1) return QStringLiteral("1 byte");
  if (bytes < 1000) return grouped(double(bytes)) + QStringLiteral(" bytes");
  static constexpr std::array kUnits{"kB", "MB", "GB", "TB", "PB", "EB"};
  double value = double(bytes) / 1000;
  size_t unit = 0;
  // Chosen after rounding, so 999,999 bytes read "1.0 MB" rather than "1000.0 kB".
  while (std::round(value * 10) >= 10'000 && unit + 1 < kUnits.size()) {
    value /= 1000;
    ++unit;
  }
  return QString::number(value, 'f', 1) + u' ' + QLatin1String(kUnits[unit]);
}

QString sizeText(qint64 bytes) {
  if (bytes < 1000) return shortSizeText(bytes);
  return QStringLiteral("%1 (%2 bytes)").arg(shortSizeText(bytes), grouped(double(bytes)));
}

QDateTime fileTime(qint64 nanoseconds) {
  const auto since1970 = std::chrono::floor<std::chrono::milliseconds>(std::chrono::nanoseconds(nanoseconds));
  return QDateTime::fromMSecsSinceEpoch(since1970.count(), Qt::UTC);
}

QString timeText(const QDateTime& when) { return when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

QString fileFactText(const FileFact& fact) {
  if (fact.size < 0) return QStringLiteral("size and date not recorded");
  return sizeText(fact.size) + QStringLiteral(", ") + timeText(fileTime(fact.modified));
}

QList<FactRow> factRows(const DiscFacts& facts) {
  const VolumeFacts& v = facts.volume;
  return {
      {QStringLiteral("Label"), orElse(v.label, QStringLiteral("no label"))},
      {QStringLiteral("Identity"), identityText(v)},
      {QStringLiteral("File system"), orElse(v.fileSystem, QStringLiteral("unknown"))},
      {QStringLiteral("Capacity"), sizeText(v.capacity)},
      {QStringLiteral("Free at scan"), sizeText(v.free)},
      {QStringLiteral("Root"),
       v.mountPoint ? QStringLiteral("mount point") : QStringLiteral("plain folder mapped as a drive")},
      {QStringLiteral("Scanned"), timeText(v.scanned)},
      {QStringLiteral("Files"), grouped(double(facts.files))},
      {QStringLiteral("Folders"), grouped(double(facts.folders))},
      {QStringLiteral("Total size"), sizeText(facts.bytes)},
  };
}

}  // namespace quilmo::capture
