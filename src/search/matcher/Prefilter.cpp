#include "search/matcher/Prefilter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "search/matcher/VectorLanes.h"

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

// The probe of a word from its probe positions (rarest first): the one nearest the start
// of the word first, so that every word's first probe byte is at the position compared
// and one load serves them all; then the rarest of the others.
Prefilter::Probe probeOf(const QString& upper, std::vector<qsizetype> positions) {
  const auto nearest = std::min_element(positions.begin(), positions.end());
  std::rotate(positions.begin(), nearest, nearest + 1);
  Prefilter::Probe probe;
  for (int k = 0; k < Prefilter::kProbeBytes; ++k) {
    const qsizetype at = positions[std::min<std::size_t>(std::size_t(k), positions.size() - 1)];
    probe.byte[k] = static_cast<unsigned char>(upper[at].unicode() | 0x20);
    probe.offset[k] = std::size_t(at - positions.front());
  }
  return probe;
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
constexpr int kMaxVectorWords = 8;

// The bulk of a buffer, 64 bytes at a time, for up to kMaxVectorWords words (Words: that
// many, fixed so that the loop over words unrolls and stays in registers; 0: as many as
// the prefilter has); leaves the last bytes to the plain loop. Each block's candidates
// are the positions where some word's first two probe bytes fit; a block with any is
// looked at again for all three.
template <class Lanes, int Words>
void scanBlocks(const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach, Cursor& cursor,
                const Prefilter::LineVisitor& visit) {
  constexpr int kSlots = Words ? Words : kMaxVectorWords;
  const int count = Words ? Words : int(filter.probes().size());
  typename Lanes::Vec first[kSlots], second[kSlots], third[kSlots];
  std::size_t secondAt[kSlots], thirdAt[kSlots];
  for (int w = 0; w < count; ++w) {
    const Prefilter::Probe& probe = filter.probes()[std::size_t(w)];
    first[w] = Lanes::broadcast(probe.byte[0]);
    second[w] = Lanes::broadcast(probe.byte[1]);
    third[w] = Lanes::broadcast(probe.byte[2]);
    secondAt[w] = probe.offset[1];
    thirdAt[w] = probe.offset[2];
  }
  const bool highBytes = filter.wantsHighBytes();
  const auto* bytes = reinterpret_cast<const unsigned char*>(buf);
  while (cursor.at + 64 + reach <= len) {
    const unsigned char* block = bytes + cursor.at;
    std::uint64_t hits = 0;
#pragma GCC unroll 8
    for (int w = 0; w < count; ++w) hits |= Lanes::fit(block, first[w], block + secondAt[w], second[w]);
    if (hits) {
      hits = 0;
      for (int w = 0; w < count; ++w)
        hits |= Lanes::fit(block, first[w], block + secondAt[w], second[w]) & Lanes::match(block + thirdAt[w], third[w]);
    }
    if (highBytes) hits |= Lanes::highBytes(block);
    const std::uint64_t feeds = Lanes::feeds(block);
    const int bit = hits ? __builtin_ctzll(hits) : -1;
    if (bit < 0) {
      cursor.index += std::size_t(__builtin_popcountll(feeds));
      cursor.at += 64;
      continue;
    }
    cursor.index += std::size_t(__builtin_popcountll(feeds & ((std::uint64_t(1) << bit) - 1)));
    cursor.takeLine(buf, len, cursor.at + std::size_t(bit), visit);
  }
}

using BlockScan = void (*)(const char*, std::size_t, const Prefilter&, std::size_t, Cursor&, const Prefilter::LineVisitor&);

template <int Words>
QUILMO_SCAN("sse2") void scan128(const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach,
                                 Cursor& cursor, const Prefilter::LineVisitor& visit) {
  scanBlocks<Lanes128, Words>(buf, len, filter, reach, cursor, visit);
}

template <int Words>
QUILMO_SCAN("avx2,popcnt") void scan256(const char* buf, std::size_t len, const Prefilter& filter, std::size_t reach,
                                        Cursor& cursor, const Prefilter::LineVisitor& visit) {
  scanBlocks<Lanes256, Words>(buf, len, filter, reach, cursor, visit);
}

template <int Words>
QUILMO_SCAN("avx512f,avx512bw,popcnt") void scan512(const char* buf, std::size_t len, const Prefilter& filter,
                                                     std::size_t reach, Cursor& cursor,
                                                     const Prefilter::LineVisitor& visit) {
  scanBlocks<Lanes512, Words>(buf, len, filter, reach, cursor, visit);
}

template <int Words>
BlockScan blockScan(int width) {
  return width == 512 ? scan512<Words> : width == 256 ? scan256<Words> : scan128<Words>;
}

// The vector scan for the words of filter, or null (no vector unit, or too many words).
BlockScan vectorScan(const Prefilter& filter) {
  const int width = vectorWidth();
  if (width == 0) return nullptr;
  switch (filter.probes().size()) {
    case 1: return blockScan<1>(width);
    case 2: return blockScan<2>(width);
    case 3: return blockScan<3>(width);
    case 4: return blockScan<4>(width);
    default: return filter.probes().size() <= kMaxVectorWords ? blockScan<0>(width) : nullptr;
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
    probes_.push_back(probeOf(word.upper(), positions));
    maxDistance_ = std::max(maxDistance_, probes_.back().reach());
  }
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
  if (const BlockScan scanBlocks = vectorScan(*this)) scanBlocks(buf, len, *this, maxDistance_, cursor, visit);
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
