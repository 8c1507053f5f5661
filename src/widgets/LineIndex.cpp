#include "widgets/LineIndex.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "platform/TextCase.h"

namespace quilmo {

namespace {

bool isAscii(const char* data, qint64 size) {
  qint64 i = 0;
  for (; i + 8 <= size; i += 8) {
    quint64 word;
    std::memcpy(&word, data + i, 8);
    if (word & 0x8080808080808080ULL) return false;
  }
  for (; i < size; ++i)
    if (uchar(data[i]) & 0x80) return false;
  return true;
}

bool isAscii(QStringView text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

uchar asciiUpper(uchar c) { return (c >= 'a' && c <= 'z') ? uchar(c - 32) : c; }

}  // namespace

bool LineIndex::load(const QString& path, QString* error) {
  clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return false;
  }
  bytes_ = std::move(bytes);
  indexFrom(0);
  return true;
}

void LineIndex::setText(QStringView text) { setUtf8(text.toUtf8()); }

void LineIndex::setUtf8(QByteArray bytes) {
  clear();
  bytes_ = std::move(bytes);
  indexFrom(0);
}

void LineIndex::append(QStringView text) {
  bytes_ += text.toUtf8();
  // The last line may grow, or a CR at its end may meet the LF that completes it.
  indexFrom(rowCount() - 1);
}

void LineIndex::clear() {
  bytes_.clear();
  rows_.assign(1, Row{0, 0});
  length_ = longest_ = 0;
  foldsToAscii_ = false;
}

// Rebuilds the rows from row on. Lines that are not valid UTF-8 are replaced by their
// decoded form (each bad byte one replacement character), so that later decoding of any
// part of the bytes gives the same character counts.
void LineIndex::indexFrom(qint64 row) {
  rows_.resize(size_t(row) + 1);
  const char* data = bytes_.constData();
  const qint64 size = bytes_.size();
  qint64 at = rows_.back().bytes;
  qint64 chars = rows_.back().chars;
  QByteArray repaired;
  bool repairing = false;
  for (;;) {
    const void* found = std::memchr(data + at, '\n', size_t(size - at));
    const qint64 lf = found ? static_cast<const char*>(found) - data : size;
    const qint64 textEnd = (found && lf > at && data[lf - 1] == '\r') ? lf - 1 : lf;
    const QByteArrayView line(data + at, textEnd - at);
    qint64 lineChars = line.size();
    if (!isAscii(line.data(), line.size())) {
      const QString decoded = QString::fromUtf8(line);
      lineChars = decoded.size();
      if (decoded.contains(QChar(0x131)) || decoded.contains(QChar(0x17F))) foldsToAscii_ = true;
      const QByteArray clean = decoded.toUtf8();
      if (!repairing && clean != line) {
        repairing = true;
        repaired = bytes_.left(at);
      }
      if (repairing) repaired += clean;
    } else if (repairing) {
      repaired += line;
    }
    longest_ = std::max(longest_, lineChars);
    chars += lineChars;
    if (!found) break;
    if (repairing) repaired += QByteArrayView(data + textEnd, lf + 1 - textEnd);
    at = lf + 1;
    chars += 1;
    rows_.push_back(Row{repairing ? repaired.size() : at, chars});
  }
  length_ = chars;
  if (repairing) bytes_ = std::move(repaired);
}

qint64 LineIndex::lineCount() const {
  return length_ == 0 ? 1 : lineOfPosition(length_ - 1) + 1;
}

qint64 LineIndex::lineOfPosition(qint64 position) const {
  position = std::clamp<qint64>(position, 0, length_);
  const auto after = std::upper_bound(rows_.begin(), rows_.end(), position,
                                      [](qint64 p, const Row& r) { return p < r.chars; });
  return qint64(after - rows_.begin()) - 1;
}

qint64 LineIndex::lineLength(qint64 row) const {
  const qint64 next = row + 1 < rowCount() ? rows_[size_t(row) + 1].chars - 1 : length_;
  return next - rows_[size_t(row)].chars;
}

qint64 LineIndex::contentEnd(qint64 row) const {
  if (row + 1 >= rowCount()) return bytes_.size();
  const qint64 lf = rows_[size_t(row) + 1].bytes - 1;
  return (lf > rows_[size_t(row)].bytes && bytes_[lf - 1] == '\r') ? lf - 1 : lf;
}

QString LineIndex::lineText(qint64 row, qint64 maxChars) const {
  const qint64 start = rows_[size_t(row)].bytes;
  qint64 size = contentEnd(row) - start;
  if (maxChars >= 0 && size > 4 * maxChars) size = 4 * maxChars;  // a character has at most 4 bytes
  const QString text = QString::fromUtf8(bytes_.constData() + start, size);
  return maxChars >= 0 ? text.left(maxChars) : text;
}

QString LineIndex::text(qint64 position, qint64 count) const {
  position = std::clamp<qint64>(position, 0, length_);
  const qint64 end = std::clamp<qint64>(position + count, position, length_);
  QString out;
  out.reserve(end - position);
  for (qint64 row = lineOfPosition(position); row < rowCount() && lineStart(row) < end; ++row) {
    QString line = lineText(row);
    if (row + 1 < rowCount()) line += u'\n';
    const qint64 start = lineStart(row);
    const qint64 from = std::max(position, start) - start;
    const qint64 to = std::min(end, start + line.size()) - start;
    out += QStringView(line).mid(from, to - from);
  }
  return out;
}

qint64 LineIndex::byteOfPosition(qint64 position) const {
  const qint64 row = lineOfPosition(position);
  const qint64 start = rows_[size_t(row)].bytes;
  const qint64 offset = std::min(position - lineStart(row), lineLength(row));
  if (contentEnd(row) - start == lineLength(row)) return start + offset;  // ASCII line
  return start + QStringView(lineText(row)).left(offset).toUtf8().size();
}

qint64 LineIndex::positionOfByte(qint64 byte) const {
  const auto after = std::upper_bound(rows_.begin(), rows_.end(), byte,
                                      [](qint64 b, const Row& r) { return b < r.bytes; });
  const Row& row = *(after - 1);
  const char* start = bytes_.constData() + row.bytes;
  const qint64 size = byte - row.bytes;
  if (isAscii(start, size)) return row.chars + size;
  return row.chars + QString::fromUtf8(start, size).size();
}

qint64 LineIndex::find(QStringView word, qint64 from) const {
  from = std::max<qint64>(from, 0);
  if (word.isEmpty() || from >= length_) return -1;
  QString upper = upperCased(word);
  upper.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (upper.contains(u'\n') || upper.contains(u'\r'))  // spans lines: rare, search the whole text
    return upperCased(text()).indexOf(upper, from);
  const bool bytesSuffice = isAscii(upper) && !(foldsToAscii_ && (upper.contains(u'I') || upper.contains(u'S')));
  return bytesSuffice ? findBytes(upper.toLatin1(), from) : findDecoded(upper, from);
}

// The fast path: an ASCII word over the raw bytes. A byte of a multi-byte character is
// never an ASCII letter, and the word holds no line break, so a hit is a real one.
qint64 LineIndex::findBytes(const QByteArray& upperAscii, qint64 from) const {
  const auto* data = reinterpret_cast<const uchar*>(bytes_.constData());
  const auto* pattern = reinterpret_cast<const uchar*>(upperAscii.constData());
  const qint64 size = upperAscii.size();
  if (size > bytes_.size()) return -1;
  const uchar first = pattern[0];
  const uchar firstLower = (first >= 'A' && first <= 'Z') ? uchar(first + 32) : first;
  const uchar* end = data + bytes_.size() - size + 1;
  for (const uchar* p = data + byteOfPosition(from); p < end; ++p) {
    if (*p != first && *p != firstLower) continue;
    qint64 i = 1;
    while (i < size && asciiUpper(p[i]) == pattern[i]) ++i;
    if (i == size) return positionOfByte(p - data);
  }
  return -1;
}

// The longest run of the word that the byte search can look for: ASCII characters, and
// not I or S when the text holds a letter whose capital they are.
QByteArray LineIndex::asciiClue(const QString& upper) const {
  qsizetype bestStart = 0, bestSize = 0, runStart = 0;
  for (qsizetype i = 0; i <= upper.size(); ++i) {
    const bool usable = i < upper.size() && upper[i].unicode() < 0x80 &&
                        !(foldsToAscii_ && (upper[i] == u'I' || upper[i] == u'S'));
    if (usable) continue;
    if (i - runStart > bestSize) bestStart = runStart, bestSize = i - runStart;
    runStart = i + 1;
  }
  return upper.mid(bestStart, bestSize).toLatin1();
}

// Decodes line by line; when part of the word is plain ASCII, only the lines that the byte
// search finds holding that part.
qint64 LineIndex::findDecoded(const QString& upper, qint64 from) const {
  const QByteArray clue = asciiClue(upper);
  for (qint64 row = lineOfPosition(from); row < rowCount(); ++row) {
    if (!clue.isEmpty()) {
      const qint64 candidate = findBytes(clue, std::max(from, lineStart(row)));
      if (candidate < 0) return -1;
      row = lineOfPosition(candidate);
    }
    const qint64 hit = upperCased(lineText(row)).indexOf(upper, std::max<qint64>(from - lineStart(row), 0));
    if (hit >= 0) return lineStart(row) + hit;
  }
  return -1;
}

}  // namespace quilmo
