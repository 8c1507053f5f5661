#pragma once
// Where the blocks of one catalogue lie in it, as a part or the combined index records
// them: a search reads the candidate blocks' bytes through it.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "search/index/IndexFormat.h"

namespace quilmo::search {

struct BlockTable {
  std::uint64_t lines = 0, catalogueSize = 0;
  std::uint32_t blocks = 0;
  const unsigned char* offsets = nullptr;  // blocks + 1 byte offsets (u64) into the catalogue

  // The lines of block b (the last may have fewer).
  std::uint32_t linesOf(std::uint32_t b) const {
    return std::uint32_t(std::min<std::uint64_t>(index::kBlockLines, lines - std::uint64_t(b) * index::kBlockLines));
  }
  // The bytes that blocks [first, end) cover; none when the table says what cannot be (the
  // caller then checks that they are whole lines).
  struct Span {
    std::uint64_t from = 0, to = 0;
  };
  std::optional<Span> span(std::uint32_t first, std::uint32_t end) const {
    const Span span{index::readU64(offsets + 8 * std::size_t(first)), index::readU64(offsets + 8 * std::size_t(end))};
    if (span.from >= span.to || span.to > catalogueSize || (first == 0 && span.from != 0) ||
        (end == blocks && span.to != catalogueSize))
      return std::nullopt;
    return span;
  }
};

}  // namespace quilmo::search
