#include "search/index/BlockLists.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quilmo::search {

using namespace index;

namespace {

std::size_t varintSize(std::uint32_t v) {
  std::size_t n = 1;
  for (; v >= 0x80; v >>= 7) ++n;
  return n;
}

}  // namespace

namespace {

std::size_t countBits(const BlockSet& blocks) {
  std::size_t n = 0;
  for (const std::uint64_t word : blocks) n += std::size_t(std::popcount(word));
  return n;
}

#if defined(__x86_64__)
// The same with the processor's instruction, which the baseline build may not assume.
__attribute__((target("popcnt"))) std::size_t countBitsWithInstruction(const BlockSet& blocks) {
  std::size_t n = 0;
  for (const std::uint64_t word : blocks) n += std::size_t(__builtin_popcountll(word));
  return n;
}
#endif

}  // namespace

std::size_t popcount(const BlockSet& blocks) {
#if defined(__x86_64__)
  static const bool instruction = __builtin_cpu_supports("popcnt");
  if (instruction) return countBitsWithInstruction(blocks);
#endif
  return countBits(blocks);
}

std::uint32_t nextBlock(const BlockSet& blocks, std::uint32_t from, std::uint32_t limit) {
  for (std::size_t w = from / 64; w < blocks.size() && w * 64 < limit; ++w) {
    const std::uint64_t bits = blocks[w] & (w == from / 64 ? ~std::uint64_t(0) << (from % 64) : ~std::uint64_t(0));
    if (bits) return std::min(std::uint32_t(w * 64 + std::size_t(std::countr_zero(bits))), limit);
  }
  return limit;
}

ListForm appendBlockList(std::span<const std::uint32_t> list, std::uint32_t blocks, std::vector<unsigned char>& out) {
  const std::size_t bitmapSize = (std::size_t(blocks) + 7) / 8;
  std::size_t gapsSize = 0;
  for (std::size_t i = 0; i < list.size(); ++i) gapsSize += varintSize(i ? list[i] - list[i - 1] : list[0]);
  if (gapsSize > bitmapSize) {
    const std::size_t at = out.size();
    out.resize(at + bitmapSize, 0);
    for (const std::uint32_t block : list) out[at + block / 8] |= static_cast<unsigned char>(1 << (block % 8));
    return ListForm::Bitmap;
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    std::uint32_t v = i ? list[i] - list[i - 1] : list[0];
    for (; v >= 0x80; v >>= 7) out.push_back(static_cast<unsigned char>(v | 0x80));
    out.push_back(static_cast<unsigned char>(v));
  }
  return ListForm::Gaps;
}

bool decodeBlockList(ListForm form, std::uint32_t count, const unsigned char* payload, std::size_t size,
                     std::uint32_t blocks, BlockSet& into) {
  into.assign((std::size_t(blocks) + 63) / 64, 0);
  if (form == ListForm::Bitmap) {
    if (size != (std::size_t(blocks) + 7) / 8) return false;
    if constexpr (std::endian::native == std::endian::little)
      std::memcpy(into.data(), payload, size);  // block b is bit b % 8 of byte b / 8, as it is of the words
    else
      for (std::size_t i = 0; i < size; ++i) into[i / 8] |= std::uint64_t(payload[i]) << (8 * (i % 8));
    if (blocks % 64 && (into.back() >> (blocks % 64))) return false;  // bits past the last block
    return popcount(into) == count;
  }
  if (form != ListForm::Gaps) return false;
  std::size_t i = 0;
  std::uint64_t block = 0;
  for (std::uint32_t n = 0; n < count; ++n) {
    std::uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
      if (i >= size || shift > 28) return false;
      value |= std::uint64_t(payload[i] & 0x7F) << shift;
      if (!(payload[i++] & 0x80)) break;
    }
    if (n > 0 && value == 0) return false;  // the numbers rise
    block += value;
    if (block >= blocks) return false;
    into[block / 64] |= std::uint64_t(1) << (block % 64);
  }
  return i == size;
}

}  // namespace quilmo::search
