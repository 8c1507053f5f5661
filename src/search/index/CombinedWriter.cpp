#include "search/index/CombinedWriter.h"

#include <QDir>
#include <algorithm>

#include "platform/PageArena.h"
#include "platform/ReplacingFile.h"
#include "search/index/Checksum.h"
#include "search/index/CombinedIndex.h"
#include "search/index/IndexFormat.h"
#include "search/index/IndexPart.h"

namespace quilmo::search {

using namespace index;
namespace layout = index::combined;

namespace {

// The lists are laid out in memory this many bytes at a time, at least a bucket of keys.
constexpr std::uint64_t kRangeBytes = 64 << 20;

class Writer {
 public:
  explicit Writer(const CombinedSources& sources) : sources_(sources), count_(kKeys), bytes_(kKeys) {}

  bool collect(QStringList& merged);
  bool write(const QString& path, QString* error);

 private:
  void addDisc(const QString& name, const FileStamp& stamp, const BlockTable& table);
  void take(std::uint32_t key, std::size_t size) {
    ++count_[key];
    bytes_[key] += size;
  }
  std::uint64_t listSize(std::uint32_t key) const {
    return count_[key] ? 4 + std::uint64_t(count_[key]) * layout::kListRecordSize + bytes_[key] : 0;
  }
  // Lays out the lists of the keys in buckets [first, end) in range_; false when a source
  // changed since it was counted.
  bool layOut(std::uint32_t first, std::uint32_t end);

  const CombinedSources& sources_;
  std::vector<unsigned char> discs_, names_, tables_;
  std::vector<unsigned char, HugePageAllocator<unsigned char>> range_;
  std::vector<std::uint32_t> count_;
  std::vector<std::uint64_t> bytes_;
  std::vector<std::int64_t> renumbered_;  // the earlier index's catalogues' new numbers
  std::vector<const CombinedSources::Part*> taken_;
  std::uint32_t discCount_ = 0;
};

void Writer::addDisc(const QString& name, const FileStamp& stamp, const BlockTable& table) {
  const QByteArray utf8 = name.toUtf8();
  unsigned char r[layout::kDiscSize] = {};
  const std::size_t tableSize = (std::size_t(table.blocks) + 1) * 8;
  putU64(r + layout::kSizeAt, std::uint64_t(stamp.size));
  putU64(r + layout::kTimeAt, std::uint64_t(stamp.modified));
  putU64(r + layout::kIdentityAt, stamp.identity);
  putU64(r + layout::kLinesAt, table.lines);
  putU64(r + layout::kTableAt, tables_.size());
  putU32(r + layout::kBlocksAt, table.blocks);
  putU32(r + layout::kNameAt, std::uint32_t(names_.size()));
  putU32(r + layout::kNameSizeAt, std::uint32_t(utf8.size()));
  putU32(r + layout::kTableCheckAt, crc32c(table.offsets, tableSize));
  discs_.insert(discs_.end(), r, r + layout::kDiscSize);
  names_.insert(names_.end(), utf8.begin(), utf8.end());
  tables_.insert(tables_.end(), table.offsets, table.offsets + tableSize);
  ++discCount_;
}

bool Writer::collect(QStringList& merged) {
  if (const CombinedIndex* earlier = sources_.earlier) {
    renumbered_.assign(earlier->discCount(), -1);
    CombinedIndex::Scratch scratch;
    for (const std::uint32_t d : sources_.keptDiscs) {
      const auto table = earlier->tableOf(d, scratch);
      if (!table) return false;
      renumbered_[d] = discCount_;
      addDisc(earlier->nameOf(d), earlier->stampOf(d), *table);
    }
    std::vector<CombinedIndex::Entry> entries;
    for (std::uint32_t key = 0; key < kKeys && !sources_.keptDiscs.empty(); ++key) {
      if (!earlier->entriesOf(key, entries, scratch)) return false;
      for (const CombinedIndex::Entry& e : entries)
        if (renumbered_[e.disc] >= 0) take(key, e.size);
    }
  }
  std::vector<std::pair<std::uint32_t, std::size_t>> lists;
  for (const CombinedSources::Part& source : sources_.parts) {
    IndexPart part(source.partPath, source.cataloguePath);
    lists.clear();
    // A part that changed or fails a check is left out, whole.
    if (part.state() != PartState::Fresh || !part.map() ||
        !part.forEachList([&](const IndexPart::List& list) { lists.emplace_back(list.key, list.size); }))
      continue;
    for (const auto& [key, size] : lists) take(key, size);
    addDisc(source.name, part.catalogueStamp(), part.table());
    taken_.push_back(&source);
    merged += source.partPath;
  }
  return true;
}

bool Writer::layOut(std::uint32_t first, std::uint32_t end) {
  const std::uint32_t firstKey = first << kLowBits, endKey = end << kLowBits;
  // Where each list's next record and next payload go, and where the list ends.
  std::vector<std::uint64_t> records(endKey - firstKey), payloads(endKey - firstKey), ends(endKey - firstKey);
  std::uint64_t at = 0;
  for (std::uint32_t key = firstKey; key < endKey; ++key) {
    if (!count_[key]) continue;
    putU32(range_.data() + at, count_[key]);
    records[key - firstKey] = at + 4;
    payloads[key - firstKey] = at + 4 + std::uint64_t(count_[key]) * layout::kListRecordSize;
    at += listSize(key);
    ends[key - firstKey] = at;
  }
  // A part that changed since it was counted may hold more, or other, lists: they must
  // not be written past the room counted for them.
  bool fits = true;
  auto place = [&](std::uint32_t key, std::uint32_t disc, std::uint32_t count, ListForm form, const unsigned char* payload,
                   std::size_t size) {
    const std::size_t k = key - firstKey;
    if (records[k] + layout::kListRecordSize > ends[k] - bytes_[key] || payloads[k] + size > ends[k]) {
      fits = false;
      return;
    }
    unsigned char* record = range_.data() + records[k];
    putU32(record, disc);
    putU32(record + 4, count);
    putU32(record + 8, std::uint32_t(size) | (form == ListForm::Bitmap ? layout::kBitmapFlag : 0));
    records[k] += layout::kListRecordSize;
    std::memcpy(range_.data() + payloads[k], payload, size);
    payloads[k] += size;
  };
  if (const CombinedIndex* earlier = sources_.earlier; earlier && !sources_.keptDiscs.empty()) {
    std::vector<CombinedIndex::Entry> entries;
    CombinedIndex::Scratch scratch;
    for (std::uint32_t key = firstKey; key < endKey; ++key) {
      if (!earlier->entriesOf(key, entries, scratch)) return false;
      for (const CombinedIndex::Entry& e : entries)
        if (renumbered_[e.disc] >= 0) place(key, std::uint32_t(renumbered_[e.disc]), e.count, e.form, e.payload, e.size);
    }
  }
  auto disc = std::uint32_t(sources_.keptDiscs.size());
  for (const CombinedSources::Part* source : taken_) {
    IndexPart part(source->partPath, source->cataloguePath);
    if (part.state() != PartState::Fresh || !part.map() ||
        !part.forEachList([&](const IndexPart::List& l) { place(l.key, disc, l.count, l.form, l.payload, l.size); }, first, end))
      return false;
    ++disc;
  }
  // Every list filled exactly as counted, or a part changed between the two readings.
  for (std::uint32_t key = firstKey; key < endKey; ++key)
    if (count_[key] && records[key - firstKey] != payloads[key - firstKey] - bytes_[key]) return false;
  return fits;
}

bool Writer::write(const QString& path, QString* error) {
  std::uint64_t listsSize = 0;
  for (std::uint32_t key = 0; key < kKeys; ++key) {
    // A list's size is 32 bits, as is each catalogue's block list in it (less its form bit).
    if (listSize(key) > 0xFFFFFFFFu) {
      if (error) *error = QStringLiteral("the library is too large for one combined index");
      return false;
    }
    listsSize += listSize(key);
  }
  unsigned char header[layout::kHeaderSize] = {};
  std::memcpy(header, layout::kMagic, sizeof layout::kMagic);
  putU32(header + layout::kVersionAt, kVersion);
  putU32(header + layout::kBlockLinesAt, kBlockLines);
  putU32(header + layout::kDiscsAt, discCount_);
  putU64(header + layout::kNamesSizeAt, names_.size());
  putU64(header + layout::kTablesSizeAt, tables_.size());
  putU64(header + layout::kListsSizeAt, listsSize);
  putU32(header + layout::kDiscsCheckAt, crc32c(names_.data(), names_.size(), crc32c(discs_.data(), discs_.size())));
  putU32(header + layout::kCheckAt, crc32c(header, layout::kCheckAt));

  auto bytes = [](const unsigned char* data, std::size_t size) { return QByteArrayView(data, qsizetype(size)); };
  ReplacingFile out(path);
  if (!out.open() || !out.write(bytes(header, sizeof header)) || !out.write(bytes(discs_.data(), discs_.size())) ||
      !out.write(bytes(names_.data(), names_.size())) || !out.write(bytes(tables_.data(), tables_.size()))) {
    if (error) *error = out.errorString();
    return false;
  }
  // One buffer, as large as the largest range of buckets, serves them all, in huge pages:
  // fresh memory costs a page fault per page, which took as long as laying the lists out.
  std::vector<std::pair<std::uint32_t, std::uint64_t>> ranges;  // each range's end bucket and size
  for (std::uint32_t first = 0; first < kBuckets; first = ranges.back().first) {
    std::uint32_t end = first;
    std::uint64_t size = 0;
    for (; end < kBuckets && (end == first || size < kRangeBytes); ++end)
      for (std::uint32_t key = end << kLowBits; key < (end + 1) << kLowBits; ++key) size += listSize(key);
    ranges.emplace_back(end, size);
  }
  std::uint64_t largest = 0;
  for (const auto& range : ranges) largest = std::max(largest, range.second);
  range_.resize(largest);
  std::vector<unsigned char, HugePageAllocator<unsigned char>> directory(layout::kDirectorySize, 0);
  std::uint64_t listAt = 0;
  std::uint32_t first = 0;
  for (const auto& [end, size] : ranges) {
    if (!layOut(first, end)) {
      if (error) *error = QStringLiteral("a part changed while the index was combined");
      return false;
    }
    std::uint64_t at = 0;
    for (std::uint32_t key = first << kLowBits; key < end << kLowBits; ++key) {
      const std::uint64_t listBytes = listSize(key);
      if (!listBytes) continue;
      unsigned char* entry = directory.data() + std::size_t(key) * layout::kDirectoryEntrySize;
      putU64(entry, listAt + at);
      putU32(entry + 8, std::uint32_t(listBytes));
      putU32(entry + 12, crc32c(range_.data() + at, listBytes));
      at += listBytes;
    }
    listAt += size;
    if (!out.write(bytes(range_.data(), size))) break;
    first = end;
  }
  if (out.write(bytes(directory.data(), directory.size())) && out.commit(ReplacingFile::Sync::Skip)) return true;
  if (error) *error = out.errorString();
  return false;
}

}  // namespace

CombineOutcome writeCombinedIndex(const QString& path, const CombinedSources& sources, QStringList& merged, QString* error) {
  Writer writer(sources);
  merged.clear();
  if (!writer.collect(merged)) {
    merged.clear();
    return CombineOutcome::EarlierDamaged;
  }
  if (writer.write(path, error)) return CombineOutcome::Written;
  merged.clear();
  return CombineOutcome::Failed;
}

}  // namespace quilmo::search
