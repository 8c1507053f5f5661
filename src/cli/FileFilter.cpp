#include "cli/FileFilter.h"

#include <QRegularExpression>
#include <limits>
#include <memory>

namespace quilmo::cli {

bool FileFilter::passes(const capture::FileFact& file) const {
  if (file.size < 0) return false;
  return (!minSize || file.size >= *minSize) && (!maxSize || file.size <= *maxSize) &&
         (!newer || file.modified >= *newer) && (!older || file.modified < *older);
}

std::optional<qint64> parseSize(const QString& text) {
  static const QRegularExpression kSize(QStringLiteral("^([0-9]{1,19})([KMGT]?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = kSize.match(text);
  bool ok = false;
  const qint64 number = match.hasMatch() ? match.captured(1).toLongLong(&ok) : 0;
  if (!ok) return std::nullopt;
  const QString unit = match.captured(2).toUpper();
  const int shift = unit.isEmpty() ? 0 : 10 * int(1 + QStringLiteral("KMGT").indexOf(unit));
  if (shift > 0 && number > (std::numeric_limits<qint64>::max() >> shift)) return std::nullopt;
  return number << shift;
}

std::optional<qint64> parseTime(const QString& text) {
  static const QRegularExpression kTime(
      QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}([T ][0-9]{2}:[0-9]{2}(:[0-9]{2})?)?(Z|[+-][0-9]{2}:[0-9]{2})?$"));
  if (!kTime.match(text).hasMatch()) return std::nullopt;
  QString iso = text;
  iso.replace(u' ', u'T');
  if (iso.size() == 10 || iso[10] != u'T') iso.insert(10, QStringLiteral("T00:00"));  // a day starts at midnight
  const QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
  if (!time.isValid()) return std::nullopt;
  return time.toMSecsSinceEpoch() * 1'000'000;
}

search::LineFilter linesPassing(const FileFilter& filter, const QString& cataloguePath, QString* whyLeftOut) {
  capture::FactsReading reading = capture::readDiscFacts(cataloguePath);
  if (reading.state != capture::FactsState::Read) {
    *whyLeftOut = reading.message;
    return [](qint64) { return false; };
  }
  // Shared, so the filter stays cheap to copy; the totals line, past the last file, has no facts.
  auto files = std::make_shared<const std::vector<capture::FileFact>>(std::move(reading.facts.lines));
  return [filter, files](qint64 line) { return line < qint64(files->size()) && filter.passes((*files)[std::size_t(line)]); };
}

}  // namespace quilmo::cli
