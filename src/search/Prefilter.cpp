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

// The positions, from the first, of up to kProbeBytes rare plain ASCII characters of a
// word in capitals, all within kMaxReach of each other.
std::vector<qsizetype> probePositions(const QString& upper) {
  qsizetype runStart = 0, runLength = 0;  // the longest run of plain ASCII characters
  for (qsizetype i = 0; i < upper.size();) {
    if (!isPlainAscii(upper[i])) { ++i; continue; }
    qsizetype j = i;
    while (j < upper.size() && isPlainAscii(upper[j])) ++j;
    if (j - i > runLength) { runStart = i; runLength = j - i; }
    i = j;
  }
  runLength = std::min<qsizetype>(runLength, Prefilter::kMaxReach + 1);
  std::vector<qsizetype> picked;
  for (qsizetype i = runStart; i < runStart + runLength; ++i) picked.push_back(i);
  std::stable_sort(picked.begin(), picked.end(), [&](qsizetype a, qsizetype b) {
    return commonness(upper[a].unicode()) < commonness(upper[b].unicode());
  });
  picked.resize(std::min<std::size_t>(picked.size(), Prefilter::kProbeBytes));
  std::sort(picked.begin(), picked.end());
  return picked;
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
    std::size_t begin = q;
    while (begin > regionStart && buf[begin - 1] != '\n') --begin;
    const std::size_t end = lineEnd(buf, len, q);
    visit(begin, end, index++);
    at = regionStart = end < len ? end + 1 : len;
  }
};

#ifdef QUILMO_HAVE_VECTOR_SCAN
// Bit k of the result: some word's probe matches at buf[k], k in [0, 64).
__attribute__((target("avx512f,avx512bw,popcnt,bmi"))) inline std::uint64_t candidates64Avx512(
    const unsigned char* buf, const Prefilter& filter) {
  __m512i folded[Prefilter::kMaxReach + 1];
  const std::vector<std::size_t>& offsets = filter.loadOffsets();
  for (std::size_t i = 0; i < offsets.size(); ++i)
    folded[i] = _mm512_or_si512(_mm512_loadu_si512(buf + offsets[i]), _mm512_set1_epi8(0x20));
  __mmask64 any = 0;
  for (const Prefilter::Probe& p : filter.probes()) {
    __mmask64 all = ~__mmask64(0);
    for (int k = 0; k < p.count; ++k)
      all = _mm512_mask_cmpeq_epi8_mask(all, folded[p.check[k].load], _mm512_set1_epi8(char(p.check[k].byte)));
    any |= all;
  }
  return any;
}

__attribute__((target("avx512f,avx512bw,popcnt,bmi"))) inline std::uint64_t feeds64Avx512(const unsigned char* buf) {
  return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(buf), _mm512_set1_epi8('\n'));
}

__attribute__((target("avx2,popcnt,bmi"))) inline std::uint32_t candidates32(const unsigned char* buf,
                                                                            const Prefilter& filter) {
  __m256i folded[Prefilter::kMaxReach + 1];
  const std::vector<std::size_t>& offsets = filter.loadOffsets();
  for (std::size_t i = 0; i < offsets.size(); ++i)
    folded[i] = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + offsets[i])),
                                _mm256_set1_epi8(0x20));
  __m256i any = _mm256_setzero_si256();
  for (const Prefilter::Probe& p : filter.probes()) {
    __m256i all = _mm256_set1_epi8(char(0xFF));
    for (int k = 0; k < p.count; ++k)
      all = _mm256_and_si256(all, _mm256_cmpeq_epi8(folded[p.check[k].load], _mm256_set1_epi8(char(p.check[k].byte))));
    any = _mm256_or_si256(any, all);
  }
  return std::uint32_t(_mm256_movemask_epi8(any));
}

__attribute__((target("avx2,popcnt,bmi"))) inline std::uint32_t feeds32(const unsigned char* buf) {
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf));
  return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\n'))));
}

__attribute__((target("avx2,popcnt,bmi"))) inline std::uint64_t candidates64Avx2(
    const unsigned char* buf, const Prefilter& filter) {
  return std::uint64_t(candidates32(buf, filter)) | std::uint64_t(candidates32(buf + 32, filter)) << 32;
}

__attribute__((target("avx2,popcnt,bmi"))) inline std::uint64_t feeds64Avx2(const unsigned char* buf) {
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
    const unsigned bit = unsigned(__builtin_ctzll(hits));                                     \
    cursor.index += std::size_t(__builtin_popcountll(lineFeeds & ((std::uint64_t(1) << bit) - 1))); \
    cursor.takeLine(buf, len, cursor.at + bit, visit);                                        \
  }

__attribute__((target("avx512f,avx512bw,popcnt,bmi"))) void scanAvx512(
    const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach,
    Cursor& cursor, const Prefilter::LineVisitor& visit) {
  QUILMO_SCAN_BODY(candidates64Avx512, feeds64Avx512)
}

__attribute__((target("avx2,popcnt,bmi"))) void scanAvx2(const char* buf, std::size_t len,
                                                         const Prefilter& filter, std::size_t reach,
                                                         Cursor& cursor,
                                                         const Prefilter::LineVisitor& visit) {
  QUILMO_SCAN_BODY(candidates64Avx2, feeds64Avx2)
}
#undef QUILMO_SCAN_BODY

// The widest vector scan this processor has, or none.
using VectorScan = void (*)(const char*, std::size_t, const Prefilter&, std::size_t, Cursor&,
                            const Prefilter::LineVisitor&);
VectorScan vectorScan() {
  static const VectorScan scan = [] () -> VectorScan {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("popcnt")) return scanAvx512;
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
      loadOffsets_.clear();
      return;
    }
    Probe probe;
    for (const qsizetype at : positions) {
      const std::size_t offset = std::size_t(at - positions.front());
      auto load = std::find(loadOffsets_.begin(), loadOffsets_.end(), offset);
      if (load == loadOffsets_.end()) load = loadOffsets_.insert(load, offset);
      probe.check[probe.count++] = {static_cast<unsigned char>(word.upper()[at].unicode() | 0x20),
                                    static_cast<unsigned char>(load - loadOffsets_.begin())};
      probe.reach = offset;
      maxDistance_ = std::max(maxDistance_, offset);
    }
    probes_.push_back(probe);
  }
}

bool Prefilter::matchesAt(const Probe& probe, const unsigned char* at) const {
  for (int k = 0; k < probe.count; ++k)
    if ((at[loadOffsets_[probe.check[k].load]] | 0x20) != probe.check[k].byte) return false;
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
      hit = hit || (cursor.at + p.reach < len && matchesAt(p, bytes + cursor.at));
    if (hit) cursor.takeLine(buf, len, cursor.at, visit);
    else ++cursor.at;
  }
  // A last line without a line feed counts as a line.
  if (len > 0 && buf[len - 1] != '\n' && cursor.regionStart < len) ++cursor.index;
  return cursor.index;
}

}  // namespace quilmo::search
