#pragma once
// The vector registers of the search's scans (the prefilter over whole blocks, the word
// finder over candidate lines), and the choice of their width at run time.
#include <cstdint>

namespace quilmo::search {

// The widest vector registers the processor has, in bits, up to the limit: 512, 256, 128,
// or 0 for none (the scans then take a plain loop).
int vectorWidth();
// Sets that limit (512 unless set). Every width gives the same results; tests compare them.
void limitVectorWidth(int bits);

}  // namespace quilmo::search

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUILMO_HAVE_VECTOR_SCAN 1

namespace quilmo::search {

// Three widths of the same 64-byte step: 128-bit registers (every x86-64 processor has
// them), 256-bit and 512-bit ones where the processor has those. Each width's functions
// carry their target; a scan loop is written once over Lanes and flattened into one
// function per width (QUILMO_SCAN). Every byte is compared with its 0x20 bit set.
#define QUILMO_LANES(isa) __attribute__((target(isa))) static inline
#define QUILMO_SCAN(isa) __attribute__((target(isa), flatten))
// The loops over Lanes pass vectors only inside those flattened functions, never across a
// real call, so GCC's note on the vector calling convention does not apply to them.
#pragma GCC diagnostic ignored "-Wpsabi"

// One register of a step, as bits per byte: bit k is about byte k of the register.
struct Sse2Piece {
  using Vec = __m128i;
  static constexpr int kBytes = 16;
  QUILMO_LANES("sse2") Vec broadcast(unsigned char c) { return _mm_set1_epi8(char(c)); }
  QUILMO_LANES("sse2") Vec load(const unsigned char* at) { return _mm_loadu_si128(reinterpret_cast<const Vec*>(at)); }
  QUILMO_LANES("sse2") Vec folded(const unsigned char* at) { return _mm_or_si128(load(at), _mm_set1_epi8(0x20)); }
  QUILMO_LANES("sse2") std::uint64_t fit(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    return unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(folded(first), a), _mm_cmpeq_epi8(folded(second), b))));
  }
  QUILMO_LANES("sse2") std::uint64_t match(const unsigned char* at, Vec a) {
    return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(folded(at), a)));
  }
  QUILMO_LANES("sse2") std::uint64_t high(const unsigned char* at) { return unsigned(_mm_movemask_epi8(load(at))); }
  QUILMO_LANES("sse2") std::uint64_t feeds(const unsigned char* at) {
    return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(load(at), _mm_set1_epi8('\n'))));
  }
};

struct Avx2Piece {
  using Vec = __m256i;
  static constexpr int kBytes = 32;
  QUILMO_LANES("avx2") Vec broadcast(unsigned char c) { return _mm256_set1_epi8(char(c)); }
  QUILMO_LANES("avx2") Vec load(const unsigned char* at) { return _mm256_loadu_si256(reinterpret_cast<const Vec*>(at)); }
  QUILMO_LANES("avx2") Vec folded(const unsigned char* at) { return _mm256_or_si256(load(at), _mm256_set1_epi8(0x20)); }
  QUILMO_LANES("avx2") std::uint64_t fit(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    return unsigned(
        _mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(folded(first), a), _mm256_cmpeq_epi8(folded(second), b))));
  }
  QUILMO_LANES("avx2") std::uint64_t match(const unsigned char* at, Vec a) {
    return unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(folded(at), a)));
  }
  QUILMO_LANES("avx2") std::uint64_t high(const unsigned char* at) { return unsigned(_mm256_movemask_epi8(load(at))); }
  QUILMO_LANES("avx2") std::uint64_t feeds(const unsigned char* at) {
    return unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(load(at), _mm256_set1_epi8('\n'))));
  }
};

// A 64-byte step made of several registers: bit k of each answer is about byte k.
template <class Piece>
struct PieceLanes {
  using Vec = typename Piece::Vec;
  static Vec broadcast(unsigned char c) { return Piece::broadcast(c); }
  // The probe bytes a and b are at first[k] and second[k].
  static std::uint64_t fit(const unsigned char* first, Vec a, const unsigned char* second, Vec b) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; k += Piece::kBytes) bits |= Piece::fit(first + k, a, second + k, b) << k;
    return bits;
  }
  // Byte a is at at[k].
  static std::uint64_t match(const unsigned char* at, Vec a) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; k += Piece::kBytes) bits |= Piece::match(at + k, a) << k;
    return bits;
  }
  // block[k] is above 127.
  static std::uint64_t highBytes(const unsigned char* block) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; k += Piece::kBytes) bits |= Piece::high(block + k) << k;
    return bits;
  }
  // block[k] is a line feed.
  static std::uint64_t feeds(const unsigned char* block) {
    std::uint64_t bits = 0;
    for (int k = 0; k < 64; k += Piece::kBytes) bits |= Piece::feeds(block + k) << k;
    return bits;
  }
};

using Lanes128 = PieceLanes<Sse2Piece>;
using Lanes256 = PieceLanes<Avx2Piece>;

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
