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

CombinedIndex::CombinedIndex(const QString& path) : file_(std::make_unique<QFile>(path)) {
  if (path.isEmpty() || !file_->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
  const auto size = std::uint64_t(file_->size());
  if (size < layout::kHeaderSize + layout::kDirectorySize) return;
  const unsigned char* base = file_->map(0, qint64(size));
  if (!base || std::memcmp(base, layout::kMagic, sizeof layout::kMagic) != 0 ||
      readU32(base + layout::kVersionAt) != kVersion || readU32(base + layout::kBlockLinesAt) != kBlockLines ||
      crc32c(base, layout::kCheckAt) != readU32(base + layout::kCheckAt))
    return;
  discs_ = readU32(base + layout::kDiscsAt);
  namesSize_ = readU64(base + layout::kNamesSizeAt);
  tablesSize_ = readU64(base + layout::kTablesSizeAt);
  listsSize_ = readU64(base + layout::kListsSizeAt);
  // Each size alone below the file's, so that their sum cannot wrap.
  if (std::uint64_t(discs_) * layout::kDiscSize > size || namesSize_ > size || tablesSize_ > size || listsSize_ > size ||
      layout::kHeaderSize + std::uint64_t(discs_) * layout::kDiscSize + namesSize_ + tablesSize_ + listsSize_ +
              layout::kDirectorySize != size)
    return;
  discTable_ = base + layout::kHeaderSize;
  names_ = discTable_ + std::size_t(discs_) * layout::kDiscSize;
  tables_ = names_ + namesSize_;
  lists_ = tables_ + tablesSize_;
  directory_ = lists_ + listsSize_;
  if (crc32c(discTable_, std::size_t(names_ + namesSize_ - discTable_)) != readU32(base + layout::kDiscsCheckAt)) return;
  for (std::uint32_t d = 0; d < discs_; ++d) {
    const unsigned char* r = disc(d);
    const std::uint64_t lines = readU64(r + layout::kLinesAt), blocks = readU32(r + layout::kBlocksAt);
    if (std::uint64_t(readU32(r + layout::kNameAt)) + readU32(r + layout::kNameSizeAt) > namesSize_ ||
        readU64(r + layout::kTableAt) > tablesSize_ || (blocks + 1) * 8 > tablesSize_ - readU64(r + layout::kTableAt) ||
        (lines + kBlockLines - 1) / kBlockLines != blocks)
      return;
    byName_.insert(nameOf(d), d);
  }
  base_ = base;
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

std::optional<BlockTable> CombinedIndex::tableOf(std::uint32_t d) const {
  BlockTable table = extentOf(d);
  table.offsets = tables_ + readU64(disc(d) + layout::kTableAt);
  if (crc32c(table.offsets, (std::size_t(table.blocks) + 1) * 8) != readU32(disc(d) + layout::kTableCheckAt)) return std::nullopt;
  return table;
}

bool CombinedIndex::entriesOf(std::uint32_t key, std::vector<Entry>& entries) const {
  entries.clear();
  const unsigned char* d = directory_ + std::size_t(key) * layout::kDirectoryEntrySize;
  const std::uint64_t at = readU64(d), size = readU32(d + 8);
  // A trigram no catalogue holds has an entry of noughts: one damaged to a size of nought
  // would else hide every block that holds it.
  if (size == 0) return at == 0 && readU32(d + 12) == 0;
  if (size < 4 || at > listsSize_ || size > listsSize_ - at) return false;
  const unsigned char* list = lists_ + at;
  if (crc32c(list, size) != readU32(d + 12)) return false;
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
  auto blocksOf = [&](std::uint32_t d) { return readU32(disc(d) + layout::kBlocksAt); };
  // Unchecked: it only orders the look-ups and decides which to leave out.
  auto listBytes = [&](std::uint32_t key) { return readU32(directory_ + std::size_t(key) * layout::kDirectoryEntrySize + 8); };
  for (std::vector<std::uint32_t> keys : query.wordKeys()) {
    // The shortest lists first: after them few catalogues are left to look at.
    std::sort(keys.begin(), keys.end(), [&](std::uint32_t a, std::uint32_t b) {
      return listBytes(a) < listBytes(b);
    });
    word.clear();
    for (std::size_t k = 0; k < keys.size(); ++k) {
      // Past a few catalogues' worth of list bytes, reading the list would cost more than
      // reading the blocks it might rule out; the blocks are then only a few more.
      if (k > 0 && listBytes(keys[k]) > word.size() * kListBytesPerCatalogue)
        break;
      if (!entriesOf(keys[k], entries)) return std::nullopt;
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
        if (k > 0)
          for (std::size_t w = 0; w < list.size(); ++w) list[w] &= survivor->second[w];
        if (popcount(list) > 0) narrowed.emplace_back(entry.disc, list);
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
