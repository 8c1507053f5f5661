#include "search/index/IndexPart.h"

#include <algorithm>

#include "search/index/Checksum.h"
#include "search/index/IndexFormat.h"

namespace quilmo::search {

using namespace index;

IndexPart::IndexPart(const QString& partPath, const QString& cataloguePath) : file_(std::make_unique<QFile>(partPath)) {
  if (partPath.isEmpty() || !file_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;  // Missing
  size_ = std::size_t(file_->size());
  state_ = PartState::Damaged;
  if (file_->read(reinterpret_cast<char*>(head_.data()), qint64(head_.size())) != qint64(head_.size())) return;
  state_ = check(cataloguePath);
}

PartState IndexPart::check(const QString& cataloguePath) {
  const unsigned char* h = head_.data();
  if (std::memcmp(h, kMagic, sizeof kMagic) != 0) return PartState::Damaged;
  // A part of another version, or of a catalogue that has changed since, is out of date.
  if (readU32(h + header::kVersionAt) != kVersion || readU32(h + header::kBlockLinesAt) != kBlockLines)
    return PartState::Stale;
  const auto stamp = fileStamp(cataloguePath);
  if (!stamp || std::uint64_t(stamp->size) != readU64(h + header::kCatalogueSizeAt) ||
      std::uint64_t(stamp->modified) != readU64(h + header::kCatalogueTimeAt) ||
      stamp->identity != readU64(h + header::kCatalogueIdentityAt))
    return PartState::Stale;
  if (crc32c(h + header::kSize, kFilterSize, crc32c(h, header::kCheckAt)) != readU32(h + header::kCheckAt))
    return PartState::Damaged;
  catalogueSize_ = std::uint64_t(stamp->size);
  lines_ = readU64(h + header::kLinesAt);
  blocks_ = readU32(h + header::kBlocksAt);
  entries_ = readU32(h + header::kEntriesAt);
  postingsSize_ = readU64(h + header::kPostingsSizeAt);
  if ((lines_ + kBlockLines - 1) / kBlockLines != blocks_ || entries_ > kKeys || postingsSize_ > size_ ||
      kHeadSize + kDirectorySize + (std::size_t(blocks_) + 1) * 8 + std::size_t(entries_) * kEntrySize + postingsSize_ != size_)
    return PartState::Damaged;
  // The directory and the block table are checked where a search reads them.
  return PartState::Fresh;
}

FileStamp IndexPart::catalogueStamp() const {
  const unsigned char* h = head_.data();
  return {qint64(readU64(h + header::kCatalogueSizeAt)), qint64(readU64(h + header::kCatalogueTimeAt)),
          readU64(h + header::kCatalogueIdentityAt)};
}

bool IndexPart::mayHold(const std::vector<std::uint32_t>& keys) const {
  const unsigned char* filter = head_.data() + header::kSize;
  return std::all_of(keys.begin(), keys.end(), [&](std::uint32_t key) { return filter[filterBit(key) / 8] >> (filterBit(key) % 8) & 1; });
}

bool IndexPart::map() {
  if (directory_) return true;
  const unsigned char* base = file_->map(0, qint64(size_));
  // The part may have been replaced since its head was read; its head must still be the one checked.
  if (!base || std::memcmp(base, head_.data(), head_.size()) != 0) return false;
  directory_ = base + kHeadSize;
  table_ = directory_ + kDirectorySize;
  entryBase_ = table_ + (std::size_t(blocks_) + 1) * 8;
  postings_ = entryBase_ + std::size_t(entries_) * kEntrySize;
  return true;
}

bool IndexPart::bucketEntries(std::uint32_t bucket, const unsigned char*& from, const unsigned char*& to) const {
  const std::uint32_t first = readU32(directory_ + 4 * bucket), end = readU32(directory_ + 4 * (bucket + 1));
  if (first > end || end > entries_) return false;
  from = entryBase_ + std::size_t(first) * kEntrySize;
  to = entryBase_ + std::size_t(end) * kEntrySize;
  return crc32c(from, std::size_t(to - from)) == readU32(directory_ + 4 * (kBuckets + 1 + bucket));
}

IndexPart::Lookup IndexPart::find(std::uint32_t key, List& list) const {
  const std::uint32_t bucket = key >> kLowBits, low = key & ((1u << kLowBits) - 1);
  const unsigned char *from = nullptr, *to = nullptr;
  if (!bucketEntries(bucket, from, to)) return Lookup::Damaged;
  for (const unsigned char* e = from; e < to; e += kEntrySize)
    if ((std::uint32_t(e[0]) | std::uint32_t(e[1]) << 8) == low) return entryList(e, bucket, list) ? Lookup::Found : Lookup::Damaged;
  return Lookup::Absent;
}

bool IndexPart::entryList(const unsigned char* e, std::uint32_t bucket, List& list) const {
  const std::uint64_t at = readU32(e + 8), size = readU32(e + 12);
  if (size < 4 || at + size > postingsSize_ || e[2] > std::uint8_t(ListForm::Bitmap) || e[1] >> (kLowBits - 8)) return false;
  const unsigned char* bytes = postings_ + at;
  if (crc32c(bytes + 4, size - 4) != readU32(bytes)) return false;
  list = {bucket << kLowBits | e[0] | std::uint32_t(e[1]) << 8, readU32(e + 4), ListForm(e[2]), bytes + 4, size - 4};
  return true;
}

bool IndexPart::intersect(const List& list, BlockSet& blocks) {
  if (!decodeBlockList(list.form, list.count, list.payload, list.size, blocks_, list_)) return false;
  for (std::size_t w = 0; w < blocks.size(); ++w) blocks[w] &= list_[w];
  return true;
}

IndexPart::Candidates IndexPart::candidates(const IndexQuery& query, double maxShare) {
  if (state_ != PartState::Fresh) return {Candidates::Damaged, {}};
  Candidates result;
  result.blocks.assign((blocks_ + 63) / 64, 0);
  const auto limit = std::size_t(maxShare * blocks_);
  BlockSet word;
  for (const std::vector<std::uint32_t>& keys : query.wordKeys()) {
    if (!mayHold(keys)) continue;
    if (!map()) return {Candidates::Damaged, {}};
    // Each list narrows the word's blocks; most catalogues lack the word, and that shows
    // after a list or two, so lists are read only while blocks are left.
    word.assign(result.blocks.size(), ~std::uint64_t(0));
    for (const std::uint32_t key : keys) {
      List list;
      const Lookup lookup = find(key, list);
      if (lookup == Lookup::Damaged) return {Candidates::Damaged, {}};
      if (lookup == Lookup::Absent) word.assign(word.size(), 0);
      else if (!intersect(list, word)) return {Candidates::Damaged, {}};
      if (popcount(word) == 0) break;
    }
    for (std::size_t w = 0; w < word.size(); ++w) result.blocks[w] |= word[w];
    if (popcount(result.blocks) > limit) return {Candidates::TooMany, {}};
  }
  return result;
}

}  // namespace quilmo::search
