#include "search/Prefilter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILMO_HAVE_VECTOR_SCAN 1
#endif

namespace quilmo::search {

namespace {

// An ASCII capital whose only preimages under the simple upper-case mapping are itself
// and its small letter.
bool isPlainAscii(QChar upper) {
  const char16_t c = upper.unicode();
  return c > 0 && c < 0x80 && c != u'I' && c != u'S';
}

// Lower is rarer in catalogue lines; used to pick the two probe characters of a word.
int commonness(char16_t c) {
  static constexpr char kLetters[] = "ETAOINSRHLDCUMFPGWYBVKXJQZ";
  if (c >= u'A' && c <= u'Z') return 26 - int(std::strchr(kLetters, char(c)) - kLetters) + 10;
  if (c == u' ' || c == u'"' || c == u'\\' || c == u',' || c == u'.') return 60;
  if (c >= u'0' && c <= u'9') return 30;
  return 5;
}

// The positions of up to kProbeBytes plain ASCII characters of a word in capitals, rarest
// first, taken from one run so that their distances are fixed.
std::vector<qsizetype> probePositions(const QString& upper) {
  qsizetype runStart = 0, runLength = 0;  // the longest run of plain ASCII characters
  for (qsizetype i = 0; i < upper.size();) {
    if (!isPlainAscii(upper[i])) { ++i; continue; }
    qsizetype j = i;
    while (j < upper.size() && isPlainAscii(upper[j])) ++j;
    if (j - i > runLength) { runStart = i; runLength = j - i; }
    i = j;
  }
  std::vector<qsizetype> picked;
  for (qsizetype i = runStart; i < runStart + runLength; ++i) picked.push_back(i);
  std::stable_sort(picked.begin(), picked.end(), [&](qsizetype a, qsizetype b) {
    return commonness(upper[a].unicode()) < commonness(upper[b].unicode());
  });
  picked.resize(std::min<std::size_t>(picked.size(), Prefilter::kProbeBytes));
  return picked;
}

// The start of the line holding q: just after the last line feed in [from, q), else from.
std::size_t lineStart(const char* buf, std::size_t from, std::size_t q) {
#ifdef __GLIBC__
  const void* lf = memrchr(buf + from, '\n', q - from);
  return lf ? std::size_t(static_cast<const char*>(lf) - buf) + 1 : from;
#else
  while (q > from && buf[q - 1] != '\n') --q;
  return q;
#endif
}

std::size_t lineEnd(const char* buf, std::size_t len, std::size_t from) {
  const void* lf = std::memchr(buf + from, '\n', len - from);
  return lf ? std::size_t(static_cast<const char*>(lf) - buf) : len;
}

// Where a scan stands: lines before `at` are counted in `index`; regionStart is a line
// start at or before `at`.
struct Cursor {
  std::size_t at = 0, regionStart = 0, index = 0;

  // Reports the line holding position q and moves past it.
  void takeLine(const char* buf, std::size_t len, std::size_t q, const Prefilter::LineVisitor& visit) {
    const std::size_t begin = lineStart(buf, regionStart, q);
    const std::size_t end = lineEnd(buf, len, q);
    visit(begin, end, index++);
    at = regionStart = end < len ? end + 1 : len;
  }
};

#ifdef QUILMO_HAVE_VECTOR_SCAN
__attribute__((target("avx2,popcnt,bmi"), always_inline)) inline std::uint32_t candidates32(
    const unsigned char* buf, const Prefilter& filter) {
  const __m256i fold = _mm256_set1_epi8(0x20);
  __m256i any = _mm256_setzero_si256();
  for (const Prefilter::Probe& p : filter.probes()) {
    __m256i all = _mm256_set1_epi8(char(0xFF));
#pragma GCC unroll 2
    for (int k = 0; k < Prefilter::kVectorBytes; ++k) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + p.offset[k]));
      all = _mm256_and_si256(all, _mm256_cmpeq_epi8(_mm256_or_si256(v, fold), _mm256_set1_epi8(char(p.byte[k]))));
    }
    any = _mm256_or_si256(any, all);
  }
  return std::uint32_t(_mm256_movemask_epi8(any));
}

__attribute__((target("avx2,popcnt,bmi"), always_inline)) inline std::uint32_t feeds32(const unsigned char* buf) {
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf));
  return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\n'))));
}

__attribute__((target("avx2,popcnt,bmi"), always_inline)) inline std::uint64_t candidates64Avx2(
    const unsigned char* buf, const Prefilter& filter) {
  return std::uint64_t(candidates32(buf, filter)) | std::uint64_t(candidates32(buf + 32, filter)) << 32;
}

__attribute__((target("avx2,popcnt,bmi"), always_inline)) inline std::uint64_t feeds64Avx2(const unsigned char* buf) {
  return std::uint64_t(feeds32(buf)) | std::uint64_t(feeds32(buf + 32)) << 32;
}

// The bulk of a buffer, 64 bytes at a time; leaves the last bytes to the plain loop.
#define QUILMO_SCAN_BODY(candidates, feeds)                                                   \
  const auto* bytes = reinterpret_cast<const unsigned char*>(buf);                            \
  while (cursor.at + 64 + reach <= len) {                                                     \
    const std::uint64_t hits = candidates(bytes + cursor.at, filter);                         \
    const std::uint64_t lineFeeds = feeds(bytes + cursor.at);                                 \
    if (!hits) {                                                                              \
      cursor.index += std::size_t(__builtin_popcountll(lineFeeds));                           \
      cursor.at += 64;                                                                        \
      continue;                                                                               \
    }                                                                                         \
    const int bit = filter.firstConfirmed(bytes + cursor.at, hits);                           \
    if (bit < 0) {                                                                            \
      cursor.index += std::size_t(__builtin_popcountll(lineFeeds));                           \
      cursor.at += 64;                                                                        \
      continue;                                                                               \
    }                                                                                         \
    cursor.index += std::size_t(__builtin_popcountll(lineFeeds & ((std::uint64_t(1) << bit) - 1))); \
    cursor.takeLine(buf, len, cursor.at + std::size_t(bit), visit);                           \
  }

__attribute__((target("avx2,popcnt,bmi"))) void scanAvx2(const char* buf, std::size_t len,
                                                         const Prefilter& filter, std::size_t reach,
                                                         Cursor& cursor,
                                                         const Prefilter::LineVisitor& visit) {
  QUILMO_SCAN_BODY(candidates64Avx2, feeds64Avx2)
}
#undef QUILMO_SCAN_BODY

// The vector scan when this processor has AVX2, else none.
using VectorScan = void (*)(const char*, std::size_t, const Prefilter&, std::size_t, Cursor&,
                            const Prefilter::LineVisitor&);
VectorScan vectorScan() {
  static const VectorScan scan = [] () -> VectorScan {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt")) return scanAvx2;
    return nullptr;
  }();
  return scan;
}
#endif

}  // namespace

Prefilter::Prefilter(const std::vector<SearchWord>& words) {
  for (const SearchWord& word : words) {
    const std::vector<qsizetype> positions = probePositions(word.upper());
    if (positions.empty()) {  // nothing to look for: every line may hold the word
      everyLine_ = true;
      probes_.clear();
      return;
    }
    const qsizetype first = *std::min_element(positions.begin(), positions.end());
    Probe probe;
    for (int k = 0; k < kProbeBytes; ++k) {
      const qsizetype at = positions[std::min<std::size_t>(std::size_t(k), positions.size() - 1)];
      probe.byte[k] = static_cast<unsigned char>(word.upper()[at].unicode() | 0x20);
      probe.offset[k] = std::size_t(at - first);
      maxDistance_ = std::max(maxDistance_, probe.offset[k]);
    }
    probes_.push_back(probe);
  }
}

int Prefilter::firstConfirmed(const unsigned char* block, std::uint64_t hits) const {
  for (; hits; hits &= hits - 1) {
    const int bit = __builtin_ctzll(hits);
    for (const Probe& p : probes_)
      if (matchesAt(p, block + bit)) return bit;
  }
  return -1;
}

bool Prefilter::matchesAt(const Probe& probe, const unsigned char* at) const {
  for (int k = 0; k < kProbeBytes; ++k)
    if ((at[probe.offset[k]] | 0x20) != probe.byte[k]) return false;
  return true;
}

std::size_t Prefilter::scanEveryLine(const char* buf, std::size_t len, std::size_t from, std::size_t index,
                                     const LineVisitor& visit) const {
  while (from < len) {
    const std::size_t end = lineEnd(buf, len, from);
    visit(from, end, index++);
    from = end + 1;
  }
  return index;
}

std::size_t Prefilter::scan(const char* buf, std::size_t len, const LineVisitor& visit) const {
  if (everyLine_) return scanEveryLine(buf, len, 0, 0, visit);
  const auto* bytes = reinterpret_cast<const unsigned char*>(buf);
  Cursor cursor;
#ifdef QUILMO_HAVE_VECTOR_SCAN
  if (const auto scan = vectorScan()) scan(buf, len, *this, maxDistance_, cursor, visit);
#endif
  // The rest (all of it without vector instructions), one byte at a time.
  while (cursor.at < len) {
    if (buf[cursor.at] == '\n') {
      ++cursor.index;
      cursor.regionStart = ++cursor.at;
      continue;
    }
    bool hit = false;
    for (const Probe& p : probes_)
      hit = hit || (cursor.at + p.reach() < len && matchesAt(p, bytes + cursor.at));
    if (hit) cursor.takeLine(buf, len, cursor.at, visit);
    else ++cursor.at;
  }
  // A last line without a line feed counts as a line.
  if (len > 0 && buf[len - 1] != '\n' && cursor.regionStart < len) ++cursor.index;
  return cursor.index;
}

}  // namespace quilmo::search
