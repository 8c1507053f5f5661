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

#include "search/index/BlockLists.h"
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

  std::uint64_t lineCount() const { return lines_; }
  std::uint32_t blockCount() const { return blocks_; }
  std::uint64_t catalogueSize() const { return catalogueSize_; }
  // The lines of block b (the last may have fewer).
  std::uint32_t linesOf(std::uint32_t b) const;
  // The bytes of the catalogue that blocks [first, end) cover, from the mapped block
  // table; none when it says what cannot be (the caller then checks that they are whole
  // lines). Only after candidates() found some.
  struct Span {
    std::uint64_t from = 0, to = 0;
  };
  std::optional<Span> span(std::uint32_t first, std::uint32_t end) const;

 private:
  struct Entry {
    std::uint32_t count = 0;
    const unsigned char* at = nullptr;  // its bytes
  };
  enum class Lookup { Found, Absent, Damaged };
  PartState check(const QString& cataloguePath);
  bool mayHold(const std::vector<std::uint32_t>& keys) const;  // by the filter
  bool map();
  Lookup find(std::uint32_t key, Entry& entry) const;
  // Keeps only the list's blocks in blocks; false when the list is damaged.
  bool intersect(const Entry& entry, BlockSet& blocks);
  bool decodeInto(const Entry& entry, BlockSet& into) const;

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

}  // namespace quilmo::search
