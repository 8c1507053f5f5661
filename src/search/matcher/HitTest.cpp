#include "search/matcher/HitTest.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/TextCase.h"

namespace quilmo::search {

namespace {

char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }

// Case-folded search of an ASCII word in an ASCII line: both sides are pure ASCII, so
// the Unicode mapping reduces to a-z -> A-Z and byte positions are text positions.
qsizetype asciiFirstOccurrence(QByteArrayView line, const QByteArray& upperWord) {
  const qsizetype m = upperWord.size(), n = line.size();
  if (m == 0) return 0;
  const char* s = line.data();
  const char* w = upperWord.constData();
  const char first = w[0];
  for (qsizetype i = 0; i + m <= n; ++i) {
    if (asciiUpper(s[i]) != first) continue;
    qsizetype k = 1;
    while (k < m && asciiUpper(s[i + k]) == w[k]) ++k;
    if (k == m) return i;
  }
  return -1;
}

}  // namespace

bool isWordSeparator(QChar c) {
  return c.unicode() < 0x80 && c.unicode() != 0 && std::strchr(kWordSeparators, char(c.unicode())) != nullptr;
}

qsizetype indexOfBytes(QByteArrayView text, QByteArrayView needle) {
  const qsizetype m = needle.size(), n = text.size();
  if (m == 0) return 0;
  const char* s = text.data();
  const char first = needle[0], last = needle[m - 1];
  qsizetype i = 0;
#ifdef __SSE2__
  const __m128i firsts = _mm_set1_epi8(first), lasts = _mm_set1_epi8(last);
  for (; i + m - 1 + 16 <= n; i += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + m - 1));
    for (unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, firsts), _mm_cmpeq_epi8(b, lasts))));
         mask; mask &= mask - 1) {
      const qsizetype at = i + __builtin_ctz(mask);
      if (m <= 2 || std::memcmp(s + at + 1, needle.data() + 1, std::size_t(m - 2)) == 0) return at;
    }
  }
#endif
  for (; i + m <= n; ++i)
    if (s[i] == first && s[i + m - 1] == last && std::memcmp(s + i, needle.data(), std::size_t(m)) == 0) return i;
  return -1;
}

bool isAscii(QByteArrayView bytes) {
  unsigned char any = 0;  // no early exit, so the loop vectorises
  for (const char c : bytes) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

void asciiUpperInPlace(char* text, qsizetype size) { asciiUpperCopy(text, text, size); }

bool asciiUpperCopy(char* to, const char* from, qsizetype size) {
  unsigned char any = 0;
  for (qsizetype i = 0; i < size; ++i) {  // branch-free, so the loop vectorises
    const auto c = static_cast<unsigned char>(from[i]);
    any |= c;
    to[i] = char(c ^ (static_cast<unsigned char>(c - 'a') < 26 ? 0x20 : 0));
  }
  return any < 0x80;
}

SearchWord::SearchWord(const QString& text) : text_(text), upper_(upperCased(text)) {
  for (const QChar c : text_) ascii_ = ascii_ && c.unicode() < 0x80;
  for (const QChar c : upper_) asciiCapitals_ = asciiCapitals_ && c.unicode() < 0x80;
  if (ascii_) asciiText_ = text_.toLatin1();
  if (asciiCapitals_) asciiUpper_ = upper_.toLatin1();
  plainCapitals_ = asciiCapitals_ && !asciiUpper_.contains('I') && !asciiUpper_.contains('S');
}

LineText::LineText(QByteArrayView bytes) : LineText(bytes.data(), bytes.size(), search::isAscii(bytes)) {}

const QString& LineText::text() const {
  if (!decoded_) {
    text_ = ascii_ ? QString::fromLatin1(data_, size_) : QString::fromUtf8(data_, size_);
    decoded_ = true;
  }
  return text_;
}

qsizetype firstOccurrence(const LineText& line, const SearchWord& word) {
  if (line.isAscii()) return word.hasAsciiCapitals() ? asciiFirstOccurrence(line.bytes(), word.asciiUpper()) : -1;
  if (word.upper().isEmpty()) return 0;
  return upperCased(line.text()).indexOf(word.upper());
}

bool passesCase(const LineText& line, const SearchWord& word, qsizetype at) {
  if (line.isAscii() && word.isAscii())
    return at + word.asciiText().size() <= line.bytes().size() &&
           std::memcmp(line.bytes().data() + at, word.asciiText().constData(), std::size_t(word.asciiText().size())) == 0;
  return QStringView(line.text()).mid(at, word.text().size()) == word.text();
}

bool passesWordOnly(const LineText& line, const SearchWord& word, qsizetype at) {
  const qsizetype after = at + word.text().size();
  if (line.isAscii()) {
    const QByteArrayView b = line.bytes();
    return (at == 0 || isWordSeparator(QChar(b[at - 1]))) && (after >= b.size() || isWordSeparator(QChar(b[after])));
  }
  const QString& t = line.text();
  return (at == 0 || isWordSeparator(t[at - 1])) && (after >= t.size() || isWordSeparator(t[after]));
}

QStringView fileNamePart(QStringView line) {
  return line.mid(line.lastIndexOf(u'\\') + 1);
}

bool passesFileType(QStringView text, const QStringList& selectedTypes) {
  if (selectedTypes.isEmpty()) return true;
  const QString upper = upperCased(text);
  for (const QString& type : selectedTypes)
    if (type.size() <= upper.size() && QStringView(upper).right(type.size()) == type) return true;
  return false;
}

}  // namespace quilmo::search
