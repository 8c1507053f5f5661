#include "search/matcher/WordFinder.h"

#include <cstring>

#include "search/matcher/VectorLanes.h"

namespace quilmo::search {

namespace {

using Needle = WordFinder::Needle;

// The first position of needle in [0, size) of s, or -1; s is followed by kSlack bytes.
template <class Lanes>
qsizetype firstIn(const unsigned char* s, qsizetype size, const Needle& needle) {
  const qsizetype m = needle.bytes.size();
  if (m == 0) return 0;
  const auto* word = reinterpret_cast<const unsigned char*>(needle.bytes.constData());
  // Candidates fit the first and last byte with the 0x20 bit set; the comparison decides.
  const auto first = Lanes::broadcast(word[0] | 0x20), last = Lanes::broadcast(word[m - 1] | 0x20);
  for (qsizetype i = 0; i + m <= size; i += 64) {
    std::uint64_t fits = Lanes::fit(s + i, first, s + i + m - 1, last);
    const qsizetype room = size - m - i + 1;  // starts left in the line from i
    if (room < 64) fits &= (std::uint64_t(1) << room) - 1;
    for (; fits; fits &= fits - 1) {
      const qsizetype at = i + __builtin_ctzll(fits);
      if (std::memcmp(s + at, word, std::size_t(m)) == 0) return at;
    }
  }
  return -1;
}

template <class Lanes>
bool findAll(const std::vector<Needle>& needles, QByteArrayView capitals, std::vector<qsizetype>& positions) {
  const auto* s = reinterpret_cast<const unsigned char*>(capitals.data());
  bool any = false;
  for (const Needle& needle : needles) {
    const qsizetype at = needle.present ? firstIn<Lanes>(s, capitals.size(), needle) : -1;
    positions.push_back(at);
    any = any || at >= 0;
  }
  return any;
}

bool findPlain(const std::vector<Needle>& needles, QByteArrayView capitals, std::vector<qsizetype>& positions) {
  bool any = false;
  for (const Needle& needle : needles) {
    const qsizetype at = needle.present ? indexOfBytes(capitals, needle.bytes) : -1;
    positions.push_back(at);
    any = any || at >= 0;
  }
  return any;
}

#ifdef QUILMO_HAVE_VECTOR_SCAN
QUILMO_SCAN("sse2")
bool find128(const std::vector<Needle>& needles, QByteArrayView capitals, std::vector<qsizetype>& positions) {
  return findAll<Lanes128>(needles, capitals, positions);
}

QUILMO_SCAN("avx2")
bool find256(const std::vector<Needle>& needles, QByteArrayView capitals, std::vector<qsizetype>& positions) {
  return findAll<Lanes256>(needles, capitals, positions);
}

QUILMO_SCAN("avx512f,avx512bw")
bool find512(const std::vector<Needle>& needles, QByteArrayView capitals, std::vector<qsizetype>& positions) {
  return findAll<Lanes512>(needles, capitals, positions);
}
#endif

}  // namespace

WordFinder::WordFinder(const std::vector<SearchWord>& words) {
  for (const SearchWord& word : words) needles_.push_back({word.asciiUpper(), word.hasAsciiCapitals()});
}

bool WordFinder::find(QByteArrayView capitals, std::vector<qsizetype>& positions) const {
#ifdef QUILMO_HAVE_VECTOR_SCAN
  switch (vectorWidth()) {
    case 512: return find512(needles_, capitals, positions);
    case 256: return find256(needles_, capitals, positions);
    case 128: return find128(needles_, capitals, positions);
    default: break;
  }
#endif
  return findPlain(needles_, capitals, positions);
}

}  // namespace quilmo::search
