#include "search/index/PartBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <utility>

#include "platform/ReplacingFile.h"
#include "search/index/BlockLists.h"
#include "search/index/Checksum.h"
#include "search/index/IndexFormat.h"
#include "search/index/Trigrams.h"

namespace quilmo::search {

using namespace index;

namespace {

// How many leading bytes two texts share.
std::size_t sharedPrefix(QByteArrayView a, QByteArrayView b) {
  const std::size_t n = std::size_t(std::min(a.size(), b.size()));
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t x, y;
    std::memcpy(&x, a.data() + i, 8);
    std::memcpy(&y, b.data() + i, 8);
    if (x != y) return i + std::size_t(__builtin_ctzll(x ^ y) / 8);
  }
  while (i < n && a[qsizetype(i)] == b[qsizetype(i)]) ++i;
  return i;
}

}  // namespace

PartBuilder::PartBuilder() : seen_(kKeys / 64), keyEnds_(kKeys) {}

void PartBuilder::begin() {
  blockKeyRuns_.clear();
  blockRunEnds_.clear();
  std::fill(keyEnds_.begin(), keyEnds_.end(), 0);
  blockStarts_.clear();
  previous_.clear();
  offset_ = lines_ = 0;
  linesInBlock_ = 0;
}

void PartBuilder::addLine(const char* begin, const char* end) {
  if (linesInBlock_ == 0) blockStarts_.push_back(offset_);
  const QByteArrayView capitals = lineCapitals(QByteArrayView(begin, end - begin), capitals_);
  // Trigrams inside the part this line shares with the block's previous line are in already:
  // lines of one folder repeat its path.
  const std::size_t shared = linesInBlock_ == 0 ? 0 : sharedPrefix(capitals, previous_);
  const auto* c = reinterpret_cast<const unsigned char*>(capitals.data());
  for (std::size_t i = shared < 2 ? 0 : shared - 2; i + 2 < std::size_t(capitals.size()); ++i) {
    const std::uint32_t key = trigramKey(c[i], c[i + 1], c[i + 2]);
    std::uint64_t& word = seen_[key >> 6];
    const std::uint64_t bit = std::uint64_t(1) << (key & 63);
    if (word & bit) continue;
    word |= bit;
    blockKeys_.push_back(key);
  }
  previous_.resize(capitals.size());
  std::memcpy(previous_.data(), capitals.data(), std::size_t(capitals.size()));
  ++lines_;
  if (++linesInBlock_ == kBlockLines) endBlock();
}

void PartBuilder::endBlock() {
  for (const std::uint32_t key : blockKeys_) {
    seen_[key >> 6] &= ~(std::uint64_t(1) << (key & 63));
    ++keyEnds_[key];
  }
  blockKeyRuns_.insert(blockKeyRuns_.end(), blockKeys_.begin(), blockKeys_.end());
  blockRunEnds_.push_back(blockKeyRuns_.size());
  blockKeys_.clear();
  linesInBlock_ = 0;
}

qsizetype PartBuilder::takeLines(const char* bytes, qsizetype size, bool atEnd) {
  qsizetype start = 0;
  for (;;) {
    const char* feed = static_cast<const char*>(std::memchr(bytes + start, '\n', std::size_t(size - start)));
    if (!feed) break;
    const char* end = feed;
    if (end > bytes + start && end[-1] == '\r') --end;  // CR LF; a CR alone stays in the line
    addLine(bytes + start, end);
    const qsizetype next = feed - bytes + 1;
    offset_ += std::uint64_t(next - start);
    start = next;
  }
  if (atEnd && start < size) {  // a last line without a line feed
    addLine(bytes + start, bytes + size);
    offset_ += std::uint64_t(size - start);
    start = size;
  }
  return start;
}

bool PartBuilder::build(const QString& cataloguePath, const QString& partPath, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const auto before = fileStamp(cataloguePath);
  QFile file(cataloguePath);
  if (!before || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return fail(QStringLiteral("%1 cannot be read").arg(QDir::toNativeSeparators(cataloguePath)));
  begin();
  blockKeyRuns_.reserve(std::size_t(before->size / 8));  // about what a catalogue of file names needs
  thread_local QByteArray buffer(256 << 10, Qt::Uninitialized);
  qsizetype carried = 0;  // an unfinished line at the buffer's start
  for (;;) {
    if (carried == buffer.size()) buffer.resize(buffer.size() * 2);  // a line longer than the buffer
    const qint64 got = file.read(buffer.data() + carried, buffer.size() - carried);
    if (got < 0) return fail(QStringLiteral("%1 cannot be read: %2").arg(QDir::toNativeSeparators(cataloguePath), file.errorString()));
    const qsizetype filled = carried + qsizetype(got);
    const qsizetype taken = takeLines(buffer.constData(), filled, got == 0);
    if (got == 0) break;
    carried = filled - taken;
    std::memmove(buffer.data(), buffer.constData() + taken, std::size_t(carried));
  }
  if (linesInBlock_ > 0) endBlock();
  // A catalogue replaced or rewritten while it was read would leave a part of neither.
  if (fileStamp(cataloguePath) != before || offset_ != std::uint64_t(before->size))
    return fail(QStringLiteral("%1 changed while it was indexed").arg(QDir::toNativeSeparators(cataloguePath)));
  if (!encode(*before)) return fail(QStringLiteral("%1 is too large to index").arg(QDir::toNativeSeparators(cataloguePath)));
  QDir().mkpath(QFileInfo(partPath).absolutePath());
  ReplacingFile out(partPath);
  auto bytes = [](const std::vector<unsigned char>& v) { return QByteArrayView(v.data(), qsizetype(v.size())); };
  if (out.open() && out.write(bytes(head_)) && out.write(bytes(entries_)) && out.write(bytes(postings_)) &&
      out.commit(ReplacingFile::Sync::Skip))
    return true;
  return fail(out.errorString());
}

void PartBuilder::groupByKey() {
  // The counts become where each key's blocks start, then, as the blocks are placed in
  // order (so each key's stay rising), where they end.
  std::uint32_t start = 0;
  for (std::uint32_t& at : keyEnds_) start += std::exchange(at, start);
  blocksByKey_.resize(blockKeyRuns_.size());
  std::size_t at = 0;
  for (std::uint32_t block = 0; block < blockStarts_.size(); ++block)
    for (const std::size_t end = blockRunEnds_[block]; at < end; ++at) blocksByKey_[keyEnds_[blockKeyRuns_[at]]++] = block;
}

bool PartBuilder::encode(const FileStamp& stamp) {
  const auto blocks = std::uint32_t(blockStarts_.size());
  groupByKey();

  // The posting lists, and the entries that point at them.
  std::vector<std::uint32_t> keys;
  entries_.clear();
  postings_.clear();
  for (std::uint32_t key = 0; key < kKeys; ++key) {
    const std::uint32_t first = key ? keyEnds_[key - 1] : 0;
    if (first == keyEnds_[key]) continue;
    const std::span<const std::uint32_t> list(blocksByKey_.data() + first, keyEnds_[key] - first);
    const std::size_t at = postings_.size();
    postings_.resize(at + 4);
    const ListForm form = appendBlockList(list, blocks, postings_);
    const std::size_t size = postings_.size() - at;
    if (postings_.size() > 0xFFFFFFFFu) return false;  // offsets into the lists are 32 bits
    putU32(postings_.data() + at, crc32c(postings_.data() + at + 4, size - 4));
    unsigned char entry[kEntrySize] = {};
    entry[0] = static_cast<unsigned char>(key & 0xFF);
    entry[1] = static_cast<unsigned char>((key >> 8) & ((1u << (kLowBits - 8)) - 1));
    entry[2] = static_cast<unsigned char>(form);
    putU32(entry + 4, std::uint32_t(list.size()));
    putU32(entry + 8, std::uint32_t(at));
    putU32(entry + 12, std::uint32_t(size));
    entries_.insert(entries_.end(), entry, entry + kEntrySize);
    keys.push_back(key);
  }

  head_.assign(kHeadSize + kDirectorySize + (std::size_t(blocks) + 1) * 8, 0);
  unsigned char* p = head_.data();
  std::memcpy(p, kMagic, sizeof kMagic);
  putU32(p + header::kVersionAt, kVersion);
  putU32(p + header::kBlockLinesAt, kBlockLines);
  putU64(p + header::kCatalogueSizeAt, std::uint64_t(stamp.size));
  putU64(p + header::kCatalogueTimeAt, std::uint64_t(stamp.modified));
  putU64(p + header::kCatalogueIdentityAt, stamp.identity);
  putU64(p + header::kLinesAt, lines_);
  putU32(p + header::kBlocksAt, blocks);
  putU32(p + header::kEntriesAt, std::uint32_t(keys.size()));
  putU64(p + header::kPostingsSizeAt, std::uint64_t(postings_.size()));
  unsigned char* filter = p + header::kSize;
  for (const std::uint32_t key : keys) filter[filterBit(key) / 8] |= static_cast<unsigned char>(1 << (filterBit(key) % 8));
  unsigned char* directory = p + kHeadSize;
  for (std::uint32_t bucket = 0, e = 0; bucket <= kBuckets; ++bucket) {
    const std::uint32_t first = e;
    while (e < keys.size() && (keys[e] >> kLowBits) == bucket) ++e;
    putU32(directory + 4 * bucket, first);
    if (bucket < kBuckets)
      putU32(directory + 4 * (kBuckets + 1 + bucket), crc32c(entries_.data() + std::size_t(first) * kEntrySize, std::size_t(e - first) * kEntrySize));
  }
  unsigned char* table = directory + kDirectorySize;
  for (std::uint32_t b = 0; b < blocks; ++b) putU64(table + 8 * b, blockStarts_[b]);
  putU64(table + 8 * std::size_t(blocks), offset_);
  putU32(p + header::kCheckAt, crc32c(filter, kFilterSize, crc32c(p, header::kCheckAt)));
  return true;
}

}  // namespace quilmo::search
