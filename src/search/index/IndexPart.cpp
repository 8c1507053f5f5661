#include "search/index/IndexPart.h"

#include <algorithm>
#include <bit>

#include "platform/FileStamp.h"
#include "search/index/Checksum.h"
#include "search/index/IndexFormat.h"

namespace quilmo::search {

using namespace index;

namespace {

std::size_t popcount(const BlockSet& blocks) {
  std::size_t n = 0;
  for (const std::uint64_t word : blocks) n += std::size_t(std::popcount(word));
  return n;
}

}  // namespace

IndexPart::IndexPart(const QString& partPath, const QString& cataloguePath) : file_(std::make_unique<QFile>(partPath)) {
  if (partPath.isEmpty() || !file_->open(QIODevice::ReadOnly)) return;  // Missing
  const qint64 size = file_->size();
  state_ = PartState::Damaged;
  if (size < qint64(header::kSize)) return;
  base_ = file_->map(0, size);
  if (!base_) return;
  state_ = check(std::size_t(size), cataloguePath);
}

PartState IndexPart::check(std::size_t size, const QString& cataloguePath) {
  if (std::memcmp(base_, kMagic, sizeof kMagic) != 0) return PartState::Damaged;
  // A part of another version, or of a catalogue that has changed since, is out of date.
  if (readU32(base_ + header::kVersionAt) != kVersion || readU32(base_ + header::kBlockLinesAt) != kBlockLines)
    return PartState::Stale;
  const auto stamp = fileStamp(cataloguePath);
  if (!stamp || std::uint64_t(stamp->size) != readU64(base_ + header::kCatalogueSizeAt) ||
      std::uint64_t(stamp->modified) != readU64(base_ + header::kCatalogueTimeAt) ||
      stamp->identity != readU64(base_ + header::kCatalogueIdentityAt))
    return PartState::Stale;

  lines_ = readU64(base_ + header::kLinesAt);
  blocks_ = readU32(base_ + header::kBlocksAt);
  entries_ = readU32(base_ + header::kEntriesAt);
  postingsSize_ = readU64(base_ + header::kPostingsSizeAt);
  if (lines_ > (std::uint64_t(blocks_) * kBlockLines) || (lines_ + kBlockLines - 1) / kBlockLines != blocks_ ||
      entries_ > kKeys || postingsSize_ > size)
    return PartState::Damaged;
  const std::size_t tableSize = (std::size_t(blocks_) + 1) * 8;
  const std::size_t entriesAt = header::kSize + kDirectorySize + tableSize;
  if (entriesAt + std::size_t(entries_) * kEntrySize + postingsSize_ != size) return PartState::Damaged;
  directory_ = base_ + header::kSize;
  table_ = directory_ + kDirectorySize;
  entryBase_ = base_ + entriesAt;
  postings_ = entryBase_ + std::size_t(entries_) * kEntrySize;
  const std::uint32_t sum = crc32c(directory_, kDirectorySize + tableSize, crc32c(base_, header::kCheckAt));
  if (sum != readU32(base_ + header::kCheckAt)) return PartState::Damaged;

  if (readU32(directory_) != 0 || readU32(directory_ + 4 * kBuckets) != entries_) return PartState::Damaged;
  for (std::uint32_t b = 0; b < kBuckets; ++b)
    if (readU32(directory_ + 4 * b) > readU32(directory_ + 4 * (b + 1))) return PartState::Damaged;
  if (blockStart(0) != 0 || blockStart(blocks_) != std::uint64_t(stamp->size)) return PartState::Damaged;
  for (std::uint32_t b = 0; b < blocks_; ++b)
    if (blockStart(b) >= blockStart(b + 1)) return PartState::Damaged;
  return PartState::Fresh;
}

std::uint64_t IndexPart::blockStart(std::uint32_t b) const { return readU64(table_ + 8 * std::size_t(b)); }

std::uint32_t IndexPart::linesOf(std::uint32_t b) const {
  return std::uint32_t(std::min<std::uint64_t>(kBlockLines, lines_ - std::uint64_t(b) * kBlockLines));
}

IndexPart::Lookup IndexPart::find(std::uint32_t key, Entry& entry) const {
  const std::uint32_t bucket = key >> kLowBits, low = key & ((1u << kLowBits) - 1);
  const std::uint32_t first = readU32(directory_ + 4 * bucket), end = readU32(directory_ + 4 * (bucket + 1));
  const unsigned char* from = entryBase_ + std::size_t(first) * kEntrySize;
  if (crc32c(from, std::size_t(end - first) * kEntrySize) != readU32(directory_ + 4 * (kBuckets + 1 + bucket)))
    return Lookup::Damaged;
  for (const unsigned char* e = from; e < entryBase_ + std::size_t(end) * kEntrySize; e += kEntrySize) {
    if ((std::uint32_t(e[0]) | std::uint32_t(e[1]) << 8) != low) continue;
    const std::uint64_t at = readU32(e + 8), size = readU32(e + 12);
    if (size < 4 || at + size > postingsSize_ || e[2] > std::uint8_t(ListForm::Bitmap)) return Lookup::Damaged;
    entry = {readU32(e + 4), e};
    return Lookup::Found;
  }
  return Lookup::Absent;
}

bool IndexPart::decodeInto(const Entry& entry, BlockSet& into) const {
  const unsigned char* list = postings_ + readU32(entry.at + 8);
  const std::size_t size = readU32(entry.at + 12) - 4;
  const unsigned char* payload = list + 4;
  if (crc32c(payload, size) != readU32(list)) return false;
  into.assign((blocks_ + 63) / 64, 0);
  if (ListForm(entry.at[2]) == ListForm::Bitmap) {
    if (size != (blocks_ + 7) / 8) return false;
    for (std::size_t i = 0; i < size; ++i) into[i / 8] |= std::uint64_t(payload[i]) << (8 * (i % 8));
    if (blocks_ % 64 && (into.back() >> (blocks_ % 64))) return false;  // bits past the last block
    return popcount(into) == entry.count;
  }
  std::size_t i = 0;
  std::uint64_t block = 0;
  for (std::uint32_t n = 0; n < entry.count; ++n) {
    std::uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
      if (i >= size || shift > 28) return false;
      value |= std::uint64_t(payload[i] & 0x7F) << shift;
      if (!(payload[i++] & 0x80)) break;
    }
    if (n > 0 && value == 0) return false;  // the numbers rise
    block += value;
    if (block >= blocks_) return false;
    into[block / 64] |= std::uint64_t(1) << (block % 64);
  }
  return i == size;
}

bool IndexPart::apply(const Entry& entry, BlockSet& blocks, bool intersect) const {
  BlockSet list;
  if (!decodeInto(entry, list)) return false;
  for (std::size_t w = 0; w < blocks.size(); ++w) blocks[w] = intersect ? blocks[w] & list[w] : blocks[w] | list[w];
  return true;
}

IndexPart::Candidates IndexPart::candidates(const IndexQuery& query, double maxShare) const {
  if (state_ != PartState::Fresh) return {Candidates::Damaged, {}};
  Candidates result;
  result.blocks.assign((blocks_ + 63) / 64, 0);
  const auto limit = std::size_t(maxShare * blocks_);
  for (const std::vector<std::uint32_t>& keys : query.wordKeys()) {
    std::vector<Entry> entries;
    bool absent = false;
    for (const std::uint32_t key : keys) {
      Entry entry;
      const Lookup lookup = find(key, entry);
      if (lookup == Lookup::Damaged) return {Candidates::Damaged, {}};
      absent = absent || lookup == Lookup::Absent;
      entries.push_back(entry);
    }
    if (absent) continue;  // a trigram of the word is in no line
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.count < b.count; });
    if (entries.front().count > limit) return {Candidates::TooMany, {}};
    BlockSet word(result.blocks.size(), 0);
    if (!apply(entries.front(), word, false)) return {Candidates::Damaged, {}};
    // Rarest first; a list far longer than what is left narrows it too little to be worth reading.
    for (std::size_t e = 1, left = entries.front().count; e < entries.size() && left > 0; ++e) {
      if (entries[e].count > 8 * left) break;
      if (!apply(entries[e], word, true)) return {Candidates::Damaged, {}};
      left = popcount(word);
    }
    for (std::size_t w = 0; w < word.size(); ++w) result.blocks[w] |= word[w];
  }
  if (popcount(result.blocks) > limit) return {Candidates::TooMany, {}};
  return result;
}

}  // namespace quilmo::search
