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
__attribute__((target("sse4.2"))) std::uint32_t withInstruction(const unsigned char* p, std::size_t size,
                                                                 std::uint32_t c) {
  std::uint64_t wide = c;
  for (; size >= 8; p += 8, size -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    wide = _mm_crc32_u64(wide, word);
  }
  c = std::uint32_t(wide);
  for (; size > 0; ++p, --size) c = _mm_crc32_u8(c, *p);
  return c;
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
