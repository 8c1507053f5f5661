#include "search/index/Checksum.h"

#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <nmmintrin.h>
#endif

namespace quilmo::search {

namespace {

constexpr std::array<std::uint32_t, 256> kTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (c & 1 ? 0x82F63B78u : 0);
    table[i] = c;
  }
  return table;
}();

std::uint32_t bytewise(const unsigned char* p, std::size_t size, std::uint32_t c) {
  for (std::size_t i = 0; i < size; ++i) c = kTable[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c;
}

#if defined(__x86_64__)
std::uint64_t load(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

__attribute__((target("sse4.2"))) std::uint32_t oneLane(const unsigned char* p, std::size_t size, std::uint32_t c) {
  std::uint64_t wide = c;
  for (; size >= 8; p += 8, size -= 8) wide = _mm_crc32_u64(wide, load(p));
  c = std::uint32_t(wide);
  for (; size > 0; ++p, --size) c = _mm_crc32_u8(c, *p);
  return c;
}

// The instruction takes three cycles but can start every cycle, so three lanes of a
// stretch are summed at once. What kLane zero bytes make of a register is linear in it:
// four tables, one per byte of the register, shift an earlier lane's sum over a later one.
constexpr std::size_t kLane = 512;

struct LaneShift {
  std::array<std::array<std::uint32_t, 256>, 4> table{};
  std::uint32_t operator()(std::uint32_t c) const {
    return table[0][c & 0xFF] ^ table[1][c >> 8 & 0xFF] ^ table[2][c >> 16 & 0xFF] ^ table[3][c >> 24];
  }
};

const LaneShift& laneShift() {
  static const LaneShift shift = [] {
    static constexpr unsigned char kZeros[kLane] = {};
    std::array<std::uint32_t, 32> ofBit{};
    for (int b = 0; b < 32; ++b) ofBit[std::size_t(b)] = oneLane(kZeros, kLane, std::uint32_t(1) << b);
    LaneShift s;
    for (std::size_t t = 0; t < 4; ++t)
      for (std::uint32_t v = 0; v < 256; ++v)
        for (std::size_t k = 0; k < 8; ++k)
          if (v >> k & 1) s.table[t][v] ^= ofBit[8 * t + k];
    return s;
  }();
  return shift;
}

__attribute__((target("sse4.2"))) std::uint32_t withInstruction(const unsigned char* p, std::size_t size,
                                                                 std::uint32_t c) {
  if (size >= 3 * kLane) {
    const LaneShift& shift = laneShift();
    for (; size >= 3 * kLane; p += 3 * kLane, size -= 3 * kLane) {
      std::uint64_t first = c, second = 0, third = 0;
      for (std::size_t i = 0; i < kLane; i += 8) {
        first = _mm_crc32_u64(first, load(p + i));
        second = _mm_crc32_u64(second, load(p + kLane + i));
        third = _mm_crc32_u64(third, load(p + 2 * kLane + i));
      }
      c = shift(shift(std::uint32_t(first)) ^ std::uint32_t(second)) ^ std::uint32_t(third);
    }
  }
  return oneLane(p, size, c);
}
#endif

}  // namespace

std::uint32_t crc32c(const void* data, std::size_t size, std::uint32_t crc) {
  const auto* p = static_cast<const unsigned char*>(data);
  const std::uint32_t c = ~crc;
#if defined(__x86_64__)
  static const bool instruction = __builtin_cpu_supports("sse4.2");
  if (instruction) return ~withInstruction(p, size, c);
#endif
  return ~bytewise(p, size, c);
}

}  // namespace quilmo::search
