#pragma once
// The layout of one disc's part of the search index (README, "Search index"), shared by
// its writer and its reader. Numbers are little-endian.
//
// A part lists, for every trigram of the catalogue's lines in capitals (the capitals the
// search compares), the blocks of kBlockLines lines that hold it. A trigram is three bytes
// of the capitals' UTF-8, each kept as its low six bits: exact for space to underscore,
// where nearly all catalogue text lies, and a harmless merge of rarer bytes, which at worst
// makes a block a candidate that the real matcher then turns down.
#include <cstdint>
#include <cstring>
#include <string>

namespace quilmo::search::index {

inline constexpr char kMagic[8] = {'Q', 'U', 'I', 'L', 'M', 'O', 'I', 'X'};
inline constexpr std::uint32_t kVersion = 2;
inline constexpr std::uint32_t kBlockLines = 32;
inline constexpr int kKeyBits = 18;
inline constexpr std::uint32_t kKeys = 1u << kKeyBits;
// The directory splits keys by their high bits into buckets of sorted entries.
inline constexpr int kLowBits = 9;
inline constexpr std::uint32_t kBuckets = kKeys >> kLowBits;

inline std::uint32_t trigramKey(unsigned char a, unsigned char b, unsigned char c) {
  return (std::uint32_t(a & 63) << 12) | (std::uint32_t(b & 63) << 6) | std::uint32_t(c & 63);
}

// Right after the header, a bit per hashed key that some line holds: a search reads the
// header and this page only to pass over a catalogue that lacks a trigram of every word,
// which is most catalogues for rare words.
inline constexpr std::uint32_t kFilterBits = 1u << 15;
inline constexpr std::size_t kFilterSize = kFilterBits / 8;
inline std::uint32_t filterBit(std::uint32_t key) { return (key * 0x9E3779B1u) >> (32 - 15); }

// The fixed header; the directory follows it.
namespace header {
inline constexpr std::size_t kMagicAt = 0, kVersionAt = 8, kBlockLinesAt = 12;
inline constexpr std::size_t kCatalogueSizeAt = 16, kCatalogueTimeAt = 24, kCatalogueIdentityAt = 32;
inline constexpr std::size_t kLinesAt = 40, kBlocksAt = 48, kEntriesAt = 52, kPostingsSizeAt = 56;
inline constexpr std::size_t kCheckAt = 64;  // CRC-32C of the header before it and of the filter
inline constexpr std::size_t kSize = 80;
}  // namespace header

// After the header: the filter; (kBuckets + 1) first-entry numbers, then a CRC-32C of each
// bucket's entries; then the block table, blocks + 1 byte offsets (u64) into the
// catalogue; then the entries; then the posting lists.
inline constexpr std::size_t kHeadSize = header::kSize + kFilterSize;
inline constexpr std::size_t kDirectorySize = (2 * kBuckets + 1) * 4;
inline constexpr std::size_t kEntrySize = 16;

// An entry: low key bits (u16), form (u8), 0 (u8), the number of blocks (u32), where its
// list starts in the postings (u32) and its size (u32). A list is a CRC-32C of what
// follows, then either the block numbers as LEB128 varints, the first one and then the
// gaps, or a bitmap of one bit per block, whichever is smaller.
enum class ListForm : std::uint8_t { Gaps = 0, Bitmap = 1 };

// The combined index: the lists of many catalogues in one file, so that a search opens one
// file and looks up each trigram once, however many catalogues there are. In
// order: the header; a record per catalogue; their names (UTF-8, relative to the data
// folder, without ".rtf"); their block tables; the lists; and the directory, an entry per
// key: where its list starts among the lists (u64), its size (u32, 0: no list) and its
// CRC-32C (u32). A key's list: the number of catalogues that hold it (u32), a record for
// each in rising catalogue order (catalogue number u32, blocks u32, size of its block list
// u32 with the list's form in the top bit), then those block lists one after the other.
namespace combined {
inline constexpr char kMagic[8] = {'Q', 'U', 'I', 'L', 'M', 'O', 'I', 'L'};
inline constexpr std::size_t kVersionAt = 8, kBlockLinesAt = 12, kDiscsAt = 16, kNamesSizeAt = 24;
inline constexpr std::size_t kTablesSizeAt = 32, kListsSizeAt = 40, kDiscsCheckAt = 48, kCheckAt = 52;
inline constexpr std::size_t kHeaderSize = 56;
// A catalogue's record: its size, time and identity when indexed (u64 each), its lines
// (u64), where its block table starts among the tables (u64), its blocks (u32), where its
// name starts among the names and its size (u32 each), the CRC-32C of its block table.
inline constexpr std::size_t kSizeAt = 0, kTimeAt = 8, kIdentityAt = 16, kLinesAt = 24, kTableAt = 32;
inline constexpr std::size_t kBlocksAt = 40, kNameAt = 44, kNameSizeAt = 48, kTableCheckAt = 52;
inline constexpr std::size_t kDiscSize = 56;
inline constexpr std::size_t kDirectoryEntrySize = 16;
inline constexpr std::size_t kDirectorySize = kKeys * kDirectoryEntrySize;
inline constexpr std::size_t kListRecordSize = 12;
inline constexpr std::uint32_t kBitmapFlag = 0x80000000u;
}  // namespace combined

inline std::uint32_t readU32(const unsigned char* at) {
  return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}
inline std::uint64_t readU64(const unsigned char* at) { return readU32(at) | std::uint64_t(readU32(at + 4)) << 32; }
inline void putU32(unsigned char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(v >> (8 * i));
}
inline void putU64(unsigned char* at, std::uint64_t v) {
  putU32(at, std::uint32_t(v));
  putU32(at + 4, std::uint32_t(v >> 32));
}

}  // namespace quilmo::search::index
