#include "platform/TextCase.h"

#include <QStringList>
#include <algorithm>

namespace quilmo {

namespace {

char32_t upperOf(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  return QChar::toUpper(c);  // simple mapping: never more than one character
}

// Walks both texts a code point at a time.
class CodePoints {
 public:
  explicit CodePoints(QStringView s) : s_(s) {}
  bool atEnd() const { return i_ >= s_.size(); }
  char32_t next() {
    const QChar c = s_[i_++];
    if (c.isHighSurrogate() && i_ < s_.size() && s_[i_].isLowSurrogate())
      return QChar::surrogateToUcs4(c, s_[i_++]);
    return c.unicode();
  }

 private:
  QStringView s_;
  qsizetype i_ = 0;
};

}  // namespace

QString upperCased(QStringView text) {
  QString out;
  out.reserve(text.size());
  CodePoints cps(text);
  while (!cps.atEnd()) {
    const char32_t u = upperOf(cps.next());
    if (QChar::requiresSurrogates(u)) {
      out.append(QChar(QChar::highSurrogate(u)));
      out.append(QChar(QChar::lowSurrogate(u)));
    } else {
      out.append(QChar(char16_t(u)));
    }
  }
  return out;
}

int compareIgnoringCase(QStringView a, QStringView b) {
  CodePoints x(a), y(b);
  while (!x.atEnd() && !y.atEnd()) {
    const char32_t p = upperOf(x.next()), q = upperOf(y.next());
    if (p != q) return p < q ? -1 : 1;
  }
  if (x.atEnd() && y.atEnd()) return 0;
  return x.atEnd() ? -1 : 1;
}

bool equalsIgnoringCase(QStringView a, QStringView b) { return compareIgnoringCase(a, b) == 0; }

int indexIgnoringCase(const QStringList& list, QStringView text) {
  for (int i = 0; i < list.size(); ++i)
    if (equalsIgnoringCase(list[i], text)) return i;
  return -1;
}

int sortedInsertPosition(const QStringList& sorted, QStringView text) {
  int lo = 0, hi = int(sorted.size());
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (compareIgnoringCase(sorted[mid], text) <= 0) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

QStringList sortedIgnoringCase(const QStringList& entries) {
  QStringList sorted = entries;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const QString& a, const QString& b) { return compareIgnoringCase(a, b) < 0; });
  return sorted;
}

}  // namespace quilmo
