#pragma once
// A list of block numbers as the index stores it (IndexFormat.h, ListForm): LEB128 gaps or
// a bitmap, whichever is smaller. Parts and the combined index share the encoding.
#include <cstdint>
#include <span>
#include <vector>

#include "search/index/IndexFormat.h"

namespace quilmo::search {

// Which blocks of a catalogue may hold a line with a word: a bit per block.
using BlockSet = std::vector<std::uint64_t>;

// Appends the rising block numbers of list to out in the smaller form, which it returns.
index::ListForm appendBlockList(std::span<const std::uint32_t> list, std::uint32_t blocks, std::vector<unsigned char>& out);

// Sets into to the count blocks of an encoded list (into sized for blocks); false when the
// bytes cannot be such a list.
bool decodeBlockList(index::ListForm form, std::uint32_t count, const unsigned char* payload, std::size_t size,
                     std::uint32_t blocks, BlockSet& into);

std::size_t popcount(const BlockSet& blocks);
// The first block from `from` on that the set holds, or limit when it holds none below
// limit; words at once, as most of a set is empty.
std::uint32_t nextBlock(const BlockSet& blocks, std::uint32_t from, std::uint32_t limit);

}  // namespace quilmo::search
