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
#define QUILMO_AVX2 __attribute__((target("avx2,popcnt,bmi")))
#define QUILMO_AVX2_INLINE __attribute__((target("avx2,popcnt,bmi"), always_inline)) inline

// The probe bytes of each word (0 words: as many as the prefilter has), broadcast once
// per buffer; with a fixed count the loop over words unrolls and stays in registers.
template <int Words>
struct VectorProbes {
  static constexpr int kMax = 8;
  int count = Words;
  __m256i first[Words ? Words : kMax], second[Words ? Words : kMax];
  std::size_t firstAt[Words ? Words : kMax], secondAt[Words ? Words : kMax];
};

template <int Words>
QUILMO_AVX2_INLINE void prepare(VectorProbes<Words>& v, const Prefilter::Probe* probes, int count) {
  v.count = Words ? Words : count;  // the caller chose Words = count, or 0
  for (int w = 0; w < v.count; ++w) {
    v.first[w] = _mm256_set1_epi8(char(probes[w].byte[0]));
    v.second[w] = _mm256_set1_epi8(char(probes[w].byte[1]));
    v.firstAt[w] = probes[w].offset[0];
    v.secondAt[w] = probes[w].offset[1];
  }
}

// Bit k: some word's two rarest bytes fit at buf[k], k in [0, 32).
template <int Words>
QUILMO_AVX2_INLINE std::uint32_t candidates32(const unsigned char* buf, const VectorProbes<Words>& v) {
  const __m256i fold = _mm256_set1_epi8(0x20);
  __m256i any = _mm256_setzero_si256();
  const int count = Words ? Words : v.count;
#pragma GCC unroll 8
  for (int w = 0; w < count; ++w) {
    const __m256i a = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + v.firstAt[w])), fold);
    const __m256i b = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf + v.secondAt[w])), fold);
    any = _mm256_or_si256(any, _mm256_and_si256(_mm256_cmpeq_epi8(a, v.first[w]), _mm256_cmpeq_epi8(b, v.second[w])));
  }
  return std::uint32_t(_mm256_movemask_epi8(any));
}

QUILMO_AVX2_INLINE std::uint32_t highBytes32(const unsigned char* buf) {
  return std::uint32_t(_mm256_movemask_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf))));
}

QUILMO_AVX2_INLINE std::uint32_t feeds32(const unsigned char* buf) {
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(buf));
  return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\n'))));
}

// The bulk of a buffer, 64 bytes at a time, for up to VectorProbes::kMax words; leaves
// the last bytes to the plain loop.
template <int Words>
QUILMO_AVX2 void scanAvx2(const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach, Cursor& cursor,
                          const Prefilter::LineVisitor& visit) {
  VectorProbes<Words> v;
  prepare(v, filter.probes().data(), int(filter.probes().size()));
  const bool highBytes = filter.wantsHighBytes();
  const auto* bytes = reinterpret_cast<const unsigned char*>(buf);
  while (cursor.at + 64 + reach <= len) {
    const unsigned char* block = bytes + cursor.at;
    std::uint64_t hits = std::uint64_t(candidates32(block, v)) | std::uint64_t(candidates32(block + 32, v)) << 32;
    if (highBytes) hits |= std::uint64_t(highBytes32(block)) | std::uint64_t(highBytes32(block + 32)) << 32;
    const std::uint64_t feeds = std::uint64_t(feeds32(block)) | std::uint64_t(feeds32(block + 32)) << 32;
    const int bit = hits ? filter.firstConfirmed(block, hits) : -1;
    if (bit < 0) {
      cursor.index += std::size_t(_mm_popcnt_u64(feeds));
      cursor.at += 64;
      continue;
    }
    cursor.index += std::size_t(_mm_popcnt_u64(feeds & ((std::uint64_t(1) << bit) - 1)));
    cursor.takeLine(buf, len, cursor.at + std::size_t(bit), visit);
  }
}

bool haveAvx2() {
  static const bool have = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
  }();
  return have;
}

// False when the words are too many for the vector scan.
bool scanVectorised(const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach, Cursor& cursor,
                    const Prefilter::LineVisitor& visit) {
  if (!haveAvx2()) return false;
  switch (filter.probes().size()) {
    case 1: scanAvx2<1>(buf, len, filter, reach, cursor, visit); return true;
    case 2: scanAvx2<2>(buf, len, filter, reach, cursor, visit); return true;
    case 3: scanAvx2<3>(buf, len, filter, reach, cursor, visit); return true;
    case 4: scanAvx2<4>(buf, len, filter, reach, cursor, visit); return true;
    default:
      if (filter.probes().size() > std::size_t(VectorProbes<0>::kMax)) return false;
      scanAvx2<0>(buf, len, filter, reach, cursor, visit);
      return true;
  }
}
#endif

}  // namespace

Prefilter::Prefilter(const std::vector<SearchWord>& words) {
  for (const SearchWord& word : words) {
    const std::vector<qsizetype> positions = probePositions(word.upper());
    if (positions.empty() && !word.hasAsciiCapitals()) {  // only in lines with non-ASCII text
      highBytes_ = true;
      continue;
    }
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
    if (highBytes_ && block[bit] >= 0x80) return bit;
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
  scanVectorised(buf, len, *this, maxDistance_, cursor, visit);
#endif
  // The rest (all of it without a vector scan), one byte at a time.
  while (cursor.at < len) {
    if (buf[cursor.at] == '\n') {
      ++cursor.index;
      cursor.regionStart = ++cursor.at;
      continue;
    }
    bool hit = highBytes_ && bytes[cursor.at] >= 0x80;
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
