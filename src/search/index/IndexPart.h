#pragma once
// One disc's part of the search index, checked before it is believed: it must belong to
// the catalogue as it is now (size, time, identity), every number read from it is
// bounds-checked and every byte a search relies on is covered by a checksum. Whatever
// fails, the disc is searched the plain way.
//
// Opening reads the header and the filter only; the rest is mapped into memory when the
// filter lets some word through.
#include <QFile>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FileStamp.h"
#include "search/index/BlockLists.h"
#include "search/index/BlockTable.h"
#include "search/index/IndexFormat.h"
#include "search/index/Trigrams.h"

namespace quilmo::search {

enum class PartState { Fresh, Missing, Stale, Damaged };

class IndexPart {
 public:
  // Opens the part at partPath for the catalogue at cataloguePath; see state().
  IndexPart(const QString& partPath, const QString& cataloguePath);

  PartState state() const { return state_; }

  struct Candidates {
    enum { Found, TooMany, Damaged } outcome = Found;
    BlockSet blocks;
  };
  // The blocks that may hold a line with any of the query's words; TooMany when they are
  // more than maxShare of all blocks (the plain scan is as quick then); Damaged also for a
  // part that is not fresh.
  Candidates candidates(const IndexQuery& query, double maxShare);

  // Where its blocks lie; only after candidates() found some.
  BlockTable table() const { return {lines_, catalogueSize_, blocks_, table_}; }

  // The merge into the combined index reads every list. After map(): the entries with
  // their buckets' checksums checked, or none when one fails.
  bool map();
  struct List {
    std::uint32_t key = 0, count = 0;
    index::ListForm form = index::ListForm::Gaps;
    const unsigned char* payload = nullptr;
    std::size_t size = 0;
  };
  // Calls take(list) for every list of the keys in buckets [firstBucket, endBucket), in key
  // order, each checked; false when one is damaged.
  template <typename Take>
  bool forEachList(Take take, std::uint32_t firstBucket = 0, std::uint32_t endBucket = index::kBuckets) const;
  // The catalogue as it was when indexed.
  FileStamp catalogueStamp() const;

 private:
  enum class Lookup { Found, Absent, Damaged };
  PartState check(const QString& cataloguePath);
  bool mayHold(const std::vector<std::uint32_t>& keys) const;  // by the filter
  // The entries [from, to) of a bucket, checked against its CRC, which also vouches for
  // where the directory says they lie; false when damaged.
  bool bucketEntries(std::uint32_t bucket, const unsigned char*& from, const unsigned char*& to) const;
  bool entryList(const unsigned char* entry, std::uint32_t bucket, List& list) const;
  Lookup find(std::uint32_t key, List& list) const;
  // Keeps only the list's blocks in blocks; false when the list is damaged.
  bool intersect(const List& list, BlockSet& blocks);

  std::unique_ptr<QFile> file_;
  std::array<unsigned char, index::kHeadSize> head_{};
  std::size_t size_ = 0;  // of the part
  PartState state_ = PartState::Missing;
  std::uint64_t lines_ = 0, catalogueSize_ = 0;
  std::uint32_t blocks_ = 0, entries_ = 0;
  std::uint64_t postingsSize_ = 0;
  BlockSet list_;  // the list being read
  // Once mapped:
  const unsigned char* directory_ = nullptr;
  const unsigned char* table_ = nullptr;
  const unsigned char* entryBase_ = nullptr;
  const unsigned char* postings_ = nullptr;
};

template <typename Take>
bool IndexPart::forEachList(Take take, std::uint32_t firstBucket, std::uint32_t endBucket) const {
  for (std::uint32_t bucket = firstBucket; bucket < endBucket; ++bucket) {
    const unsigned char *from = nullptr, *to = nullptr;
    if (!bucketEntries(bucket, from, to)) return false;
    for (const unsigned char* e = from; e < to; e += index::kEntrySize) {
      List list;
      if (!entryList(e, bucket, list)) return false;
      take(list);
    }
  }
  return true;
}

}  // namespace quilmo::search
