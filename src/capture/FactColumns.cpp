#include "capture/FactColumns.h"

#include <QDateTime>
#include <algorithm>

#include "platform/NumberFormat.h"

namespace quilmo::capture {

namespace {

constexpr qsizetype kTimeWidth = 16;  // "yyyy-MM-dd HH:mm"
const QByteArray kGap = QByteArrayLiteral("  ");
const QByteArray kUnknown = QByteArrayLiteral("-");

QByteArray sizeText(const FileFact& fact) { return fact.size < 0 ? kUnknown : grouped(double(fact.size)).toLatin1(); }

// Files copied together share their minute, so the last minute's text is kept rather
// than converted again through the time zone.
class MinuteText {
 public:
  explicit MinuteText(const QTimeZone& zone) : zone_(zone) {}

  const QByteArray& of(const FileFact& fact) {
    if (fact.size < 0) return kUnknown;
    constexpr qint64 kPerMinute = 60'000'000'000;
    const qint64 minute = fact.modified / kPerMinute - (fact.modified % kPerMinute < 0 ? 1 : 0);
    if (text_.isEmpty() || minute != minute_) {
      minute_ = minute;
      const QDateTime start = QDateTime::fromMSecsSinceEpoch(minute * 60'000, zone_);
      text_ = start.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1();
    }
    return text_;
  }

 private:
  QTimeZone zone_;
  qint64 minute_ = 0;
  QByteArray text_;
};

}  // namespace

QByteArray withFactColumns(const QByteArray& catalogue, const std::vector<FileFact>& facts, const QTimeZone& zone) {
  qsizetype sizeWidth = 1;
  for (const FileFact& fact : facts) sizeWidth = std::max(sizeWidth, sizeText(fact).size());
  const qsizetype columns = sizeWidth + kGap.size() + kTimeWidth + kGap.size();
  const QByteArray blank(columns, ' ');

  QByteArray out;
  out.reserve(catalogue.size() + (catalogue.count('\n') + 1) * columns);
  MinuteText times(zone);
  size_t line = 0;
  for (qsizetype start = 0; start < catalogue.size(); ++line) {
    const qsizetype lf = catalogue.indexOf('\n', start);
    const qsizetype end = lf < 0 ? catalogue.size() : lf + 1;
    if (line < facts.size()) {
      const QByteArray size = sizeText(facts[line]);
      const QByteArray& time = times.of(facts[line]);
      out.append(sizeWidth - size.size(), ' ').append(size).append(kGap);
      out.append(time).append(std::max<qsizetype>(kTimeWidth - time.size(), 0), ' ').append(kGap);
    } else {
      out.append(blank);
    }
    out.append(catalogue.constData() + start, end - start);
    start = end;
  }
  return out;
}

}  // namespace quilmo::capture
