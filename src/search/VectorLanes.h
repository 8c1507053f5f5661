#pragma once
// The vector registers of the search's scans (the prefilter over whole blocks, the word
// finder over candidate lines), and the choice of their width at run time.
#include <cstdint>

namespace quilmo::search {

// The widest vector registers the processor has, in bits, up to the limit: 512, 256, or 0
// for none (the scans then take a plain loop).
int vectorWidth();
// Sets that limit (512 unless set). Every width gives the same results; tests compare them.
void limitVectorWidth(int bits);

}  // namespace quilmo::search

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILMO_HAVE_VECTOR_SCAN 1

namespace quilmo::search {

// Two widths of the same 64-byte step: 256-bit registers, two to a step, and 512-bit ones
// where the processor has them. Each width's functions carry their target; a scan loop is
// written once over Lanes and flattened into one function per width (QUILMO_SCAN).
#define QUILMO_LANES(isa) __attribute__((target(isa))) static inline
#define QUILMO_SCAN(isa) __attribute__((target(isa), flatten))
// The loops over Lanes pass vectors only inside those flattened functions, never across a
// real call, so GCC's note on the vector calling convention does not apply to them.
#pragma GCC diagnostic ignored "-Wpsabi"

struct Lanes256 {
  using Vec = __m256i;
  QUILMO_LANES("avx2") Vec broadcast(unsigned char c) { return _mm256_set1_epi8(char(c)); }
  QUILMO_LANES("avx2") std::uint32_t fit32(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    const Vec fold = _mm256_set1_epi8(0x20);
    const Vec x = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const Vec*>(first)), fold);
    const Vec y = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const Vec*>(second)), fold);
    return std::uint32_t(_mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(x, a), _mm256_cmpeq_epi8(y, b))));
  }
  // Bit k: the probe bytes a and b are at first[k] and second[k], k in [0, 64).
  QUILMO_LANES("avx2") std::uint64_t fit(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    return fit32(first, a, second, b) | std::uint64_t(fit32(first + 32, a, second + 32, b)) << 32;
  }
  // Bit k: byte a is at at[k], k in [0, 64), compared as fit does.
  QUILMO_LANES("avx2") std::uint32_t match32(const unsigned char* at, Vec a) {
    const Vec x = _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const Vec*>(at)), _mm256_set1_epi8(0x20));
    return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x, a)));
  }
  QUILMO_LANES("avx2") std::uint64_t match(const unsigned char* at, Vec a) {
    return match32(at, a) | std::uint64_t(match32(at + 32, a)) << 32;
  }
  QUILMO_LANES("avx2") std::uint32_t high32(const unsigned char* at) {
    return std::uint32_t(_mm256_movemask_epi8(_mm256_loadu_si256(reinterpret_cast<const Vec*>(at))));
  }
  QUILMO_LANES("avx2") std::uint64_t highBytes(const unsigned char* block) {
    return high32(block) | std::uint64_t(high32(block + 32)) << 32;
  }
  QUILMO_LANES("avx2") std::uint32_t feeds32(const unsigned char* at) {
    const Vec v = _mm256_loadu_si256(reinterpret_cast<const Vec*>(at));
    return std::uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\n'))));
  }
  QUILMO_LANES("avx2") std::uint64_t feeds(const unsigned char* block) {
    return feeds32(block) | std::uint64_t(feeds32(block + 32)) << 32;
  }
};

struct Lanes512 {
  using Vec = __m512i;
  QUILMO_LANES("avx512f,avx512bw") Vec broadcast(unsigned char c) { return _mm512_set1_epi8(char(c)); }
  QUILMO_LANES("avx512f,avx512bw") std::uint64_t fit(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    const Vec fold = _mm512_set1_epi8(0x20);
    const Vec x = _mm512_or_si512(_mm512_loadu_si512(first), fold);
    const Vec y = _mm512_or_si512(_mm512_loadu_si512(second), fold);
    return _mm512_mask_cmpeq_epi8_mask(_mm512_cmpeq_epi8_mask(x, a), y, b);
  }
  QUILMO_LANES("avx512f,avx512bw") std::uint64_t match(const unsigned char* at, Vec a) {
    return _mm512_cmpeq_epi8_mask(_mm512_or_si512(_mm512_loadu_si512(at), _mm512_set1_epi8(0x20)), a);
  }
  QUILMO_LANES("avx512f,avx512bw") std::uint64_t highBytes(const unsigned char* block) {
    return _mm512_movepi8_mask(_mm512_loadu_si512(block));
  }
  QUILMO_LANES("avx512f,avx512bw") std::uint64_t feeds(const unsigned char* block) {
    return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(block), _mm512_set1_epi8('\n'));
  }
};

}  // namespace quilmo::search
#endif
