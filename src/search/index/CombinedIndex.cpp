#include "search/index/CombinedIndex.h"

#include <algorithm>

#include "search/index/Checksum.h"
#include "search/index/IndexFormat.h"

namespace quilmo::search {

using namespace index;
namespace layout = index::combined;

namespace {

// What reading a catalogue's candidate blocks costs (an open and a read), in bytes of a
// list checked and decoded.
constexpr std::uint64_t kListBytesPerCatalogue = 32 << 10;

}  // namespace

CombinedIndex::CombinedIndex(const QString& path, Access access) {
  if (path.isEmpty()) return;
  if (access == Access::Read) {
    file_ = StampedFile(path);
    if (file_.stamp()) usable_ = open(std::uint64_t(file_.stamp()->size));
    return;
  }
  mapped_ = std::make_unique<QFile>(path);
  if (!mapped_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
  const auto size = std::uint64_t(mapped_->size());
  base_ = size >= layout::kHeaderSize ? mapped_->map(0, qint64(size)) : nullptr;
  usable_ = base_ && open(size);
}

const unsigned char* CombinedIndex::bytesAt(std::uint64_t at, std::size_t size, Scratch& scratch) const {
  if (base_) return base_ + at;
  unsigned char* bytes = scratch.sized(size);
  return file_.readAt(qint64(at), reinterpret_cast<char*>(bytes), qint64(size)) ? bytes : nullptr;
}

const unsigned char* CombinedIndex::directoryEntry(std::uint32_t key, Scratch& scratch) const {
  return bytesAt(directoryAt_ + std::uint64_t(key) * layout::kDirectoryEntrySize, layout::kDirectoryEntrySize, scratch);
}

bool CombinedIndex::open(std::uint64_t size) {
  if (size < layout::kHeaderSize + layout::kDirectorySize) return false;
  Scratch head;
  const unsigned char* h = bytesAt(0, layout::kHeaderSize, head);
  if (!h || std::memcmp(h, layout::kMagic, sizeof layout::kMagic) != 0 || readU32(h + layout::kVersionAt) != kVersion ||
      readU32(h + layout::kBlockLinesAt) != kBlockLines || crc32c(h, layout::kCheckAt) != readU32(h + layout::kCheckAt))
    return false;
  discs_ = readU32(h + layout::kDiscsAt);
  namesSize_ = readU64(h + layout::kNamesSizeAt);
  tablesSize_ = readU64(h + layout::kTablesSizeAt);
  listsSize_ = readU64(h + layout::kListsSizeAt);
  const std::uint32_t recordsCheck = readU32(h + layout::kDiscsCheckAt);
  // Each size alone below the file's, so that their sum cannot wrap.
  const std::uint64_t recordsSize = std::uint64_t(discs_) * layout::kDiscSize;
  if (recordsSize > size || namesSize_ > size || tablesSize_ > size || listsSize_ > size ||
      layout::kHeaderSize + recordsSize + namesSize_ + tablesSize_ + listsSize_ + layout::kDirectorySize != size)
    return false;
  discTable_ = bytesAt(layout::kHeaderSize, std::size_t(recordsSize + namesSize_), records_);
  if (!discTable_) return false;
  names_ = discTable_ + recordsSize;
  tablesAt_ = layout::kHeaderSize + recordsSize + namesSize_;
  listsAt_ = tablesAt_ + tablesSize_;
  directoryAt_ = listsAt_ + listsSize_;
  if (crc32c(discTable_, std::size_t(recordsSize + namesSize_)) != recordsCheck) return false;
  for (std::uint32_t d = 0; d < discs_; ++d) {
    const unsigned char* r = disc(d);
    const std::uint64_t lines = readU64(r + layout::kLinesAt), blocks = readU32(r + layout::kBlocksAt);
    if (std::uint64_t(readU32(r + layout::kNameAt)) + readU32(r + layout::kNameSizeAt) > namesSize_ ||
        readU64(r + layout::kTableAt) > tablesSize_ || (blocks + 1) * 8 > tablesSize_ - readU64(r + layout::kTableAt) ||
        (lines + kBlockLines - 1) / kBlockLines != blocks)
      return false;
    byName_.insert(nameOf(d), d);
  }
  return true;
}

std::optional<std::uint32_t> CombinedIndex::discOf(const QString& name) const {
  const auto found = byName_.constFind(name);
  if (found == byName_.constEnd()) return std::nullopt;
  return *found;
}

QString CombinedIndex::nameOf(std::uint32_t d) const {
  const unsigned char* r = disc(d);
  return QString::fromUtf8(reinterpret_cast<const char*>(names_) + readU32(r + layout::kNameAt),
                           qsizetype(readU32(r + layout::kNameSizeAt)));
}

FileStamp CombinedIndex::stampOf(std::uint32_t d) const {
  const unsigned char* r = disc(d);
  return {qint64(readU64(r + layout::kSizeAt)), qint64(readU64(r + layout::kTimeAt)), readU64(r + layout::kIdentityAt)};
}

BlockTable CombinedIndex::extentOf(std::uint32_t d) const {
  const unsigned char* r = disc(d);
  return {readU64(r + layout::kLinesAt), readU64(r + layout::kSizeAt), readU32(r + layout::kBlocksAt), nullptr};
}

std::optional<BlockTable> CombinedIndex::tableOf(std::uint32_t d, Scratch& scratch) const {
  BlockTable table = extentOf(d);
  const std::size_t size = (std::size_t(table.blocks) + 1) * 8;
  table.offsets = bytesAt(tablesAt_ + readU64(disc(d) + layout::kTableAt), size, scratch);
  if (!table.offsets || crc32c(table.offsets, size) != readU32(disc(d) + layout::kTableCheckAt)) return std::nullopt;
  return table;
}

bool CombinedIndex::entriesOf(std::uint32_t key, std::vector<Entry>& entries, Scratch& scratch) const {
  entries.clear();
  const unsigned char* d = directoryEntry(key, scratch);
  if (!d) return false;
  const std::uint64_t at = readU64(d), size = readU32(d + 8);
  const std::uint32_t check = readU32(d + 12);
  // A trigram no catalogue holds has an entry of noughts: one damaged to a size of nought
  // would else hide every block that holds it.
  if (size == 0) return at == 0 && check == 0;
  if (size < 4 || at > listsSize_ || size > listsSize_ - at) return false;
  const unsigned char* list = bytesAt(listsAt_ + at, std::size_t(size), scratch);
  if (!list || crc32c(list, size) != check) return false;
  const std::uint32_t n = readU32(list);
  if (4 + std::uint64_t(n) * layout::kListRecordSize > size) return false;
  const unsigned char* payload = list + 4 + std::size_t(n) * layout::kListRecordSize;
  const unsigned char* end = list + size;
  for (std::uint32_t i = 0; i < n; ++i) {
    const unsigned char* record = list + 4 + std::size_t(i) * layout::kListRecordSize;
    const std::uint32_t disc = readU32(record), sizeAndForm = readU32(record + 8);
    const std::size_t bytes = sizeAndForm & ~layout::kBitmapFlag;
    if (disc >= discs_ || (i > 0 && disc <= entries.back().disc) || bytes > std::size_t(end - payload)) return false;
    entries.push_back({disc, readU32(record + 4), sizeAndForm & layout::kBitmapFlag ? ListForm::Bitmap : ListForm::Gaps,
                       payload, bytes});
    payload += bytes;
  }
  return payload == end;
}

std::optional<CombinedIndex::Answer> CombinedIndex::answer(const IndexQuery& query, double maxShare) const {
  Answer answer(discs_, BlockSet{});
  std::vector<Entry> entries;
  std::vector<std::pair<std::uint32_t, BlockSet>> word, narrowed;
  BlockSet list;
  Scratch scratch;
  auto blocksOf = [&](std::uint32_t d) { return readU32(disc(d) + layout::kBlocksAt); };
  auto any = [](const BlockSet& blocks) { return std::any_of(blocks.begin(), blocks.end(), [](std::uint64_t w) { return w != 0; }); };
  std::vector<std::pair<std::uint32_t, std::uint32_t>> keys;  // list bytes, key
  for (const std::vector<std::uint32_t>& wordKeys : query.wordKeys()) {
    // The shortest lists first: after them few catalogues are left to look at. Their sizes
    // go unchecked: they only order the look-ups and decide which to leave out.
    keys.clear();
    for (const std::uint32_t key : wordKeys) {
      const unsigned char* entry = directoryEntry(key, scratch);
      if (!entry) return std::nullopt;
      keys.emplace_back(readU32(entry + 8), key);
    }
    std::sort(keys.begin(), keys.end());
    word.clear();
    for (std::size_t k = 0; k < keys.size(); ++k) {
      // Past a few catalogues' worth of list bytes, reading the list would cost more than
      // reading the blocks it might rule out; the blocks are then only a few more.
      if (k > 0 && keys[k].first > word.size() * kListBytesPerCatalogue) break;
      if (!entriesOf(keys[k].second, entries, scratch)) return std::nullopt;
      narrowed.clear();
      auto survivor = word.begin();
      for (const Entry& entry : entries) {
        if (k > 0) {  // only catalogues that every earlier list named
          while (survivor != word.end() && survivor->first < entry.disc) ++survivor;
          if (survivor == word.end()) break;
          if (survivor->first != entry.disc) continue;
        }
        if (!decodeBlockList(entry.form, entry.count, entry.payload, entry.size, blocksOf(entry.disc), list))
          return std::nullopt;
        if (k == 0) {
          if (any(list)) narrowed.emplace_back(entry.disc, list);
          continue;
        }
        for (std::size_t w = 0; w < list.size(); ++w) survivor->second[w] &= list[w];
        if (any(survivor->second)) narrowed.emplace_back(entry.disc, std::move(survivor->second));
      }
      word.swap(narrowed);
      if (word.empty()) break;
    }
    for (auto& [d, blocks] : word) {
      if (!answer[d]) continue;  // already too many
      if (answer[d]->empty()) answer[d] = std::move(blocks);
      else
        for (std::size_t w = 0; w < blocks.size(); ++w) (*answer[d])[w] |= blocks[w];
      if (popcount(*answer[d]) > std::size_t(maxShare * blocksOf(d))) answer[d].reset();
    }
  }
  return answer;
}

}  // namespace quilmo::search
