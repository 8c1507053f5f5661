#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/PageArena.h"

using quilmo::PageArena;

namespace {

struct Piece {
  char* data;
  std::size_t size;
};

}  // namespace

TEST(PageArena, PiecesAreAlignedApartAndKeepTheirBytesAcrossChunksAndAMove) {
  PageArena arena;
  std::vector<Piece> pieces;
  // Small pieces fill several chunks; one larger than a chunk takes its own.
  for (std::size_t i = 0; i < 3000; ++i) {
    const std::size_t size = i == 1000 ? PageArena::kChunk + 5 : 1 + i * 7 % 4000;
    char* const data = arena.allocate(size);
    ASSERT_EQ(reinterpret_cast<std::uintptr_t>(data) % 64, 0u) << i;
    std::memset(data, char(i), size);
    pieces.push_back({data, size});
  }
  const PageArena moved = std::move(arena);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const Piece& piece = pieces[i];
    EXPECT_EQ(piece.data[0], char(i)) << i;
    EXPECT_EQ(piece.data[piece.size - 1], char(i)) << i;
  }
}
