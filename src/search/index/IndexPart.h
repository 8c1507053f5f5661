#pragma once
// One disc's part of the search index, mapped into memory and checked before it is
// believed: it must belong to the catalogue as it is now (size, time, identity), and every
// number read from it is bounds-checked and every byte a search relies on is covered by a
// checksum. Whatever fails, the disc is searched the plain way.
#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "search/index/Trigrams.h"

namespace quilmo::search {

enum class PartState { Fresh, Missing, Stale, Damaged };

// Which blocks of a catalogue may hold a line with a word: a bit per block.
using BlockSet = std::vector<std::uint64_t>;

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
  Candidates candidates(const IndexQuery& query, double maxShare) const;

  std::uint64_t lineCount() const { return lines_; }
  std::uint32_t blockCount() const { return blocks_; }
  // Where block b starts in the catalogue; blockStart(blockCount()) is its size.
  std::uint64_t blockStart(std::uint32_t b) const;
  // The lines of block b (the last may have fewer).
  std::uint32_t linesOf(std::uint32_t b) const;

 private:
  struct Entry {
    std::uint32_t count = 0;
    const unsigned char* at = nullptr;  // its bytes
  };
  enum class Lookup { Found, Absent, Damaged };
  PartState check(std::size_t size, const QString& cataloguePath);
  Lookup find(std::uint32_t key, Entry& entry) const;
  // Sets the bits of the list's blocks in blocks (or, with intersect, keeps only those);
  // false when the list is damaged.
  bool apply(const Entry& entry, BlockSet& blocks, bool intersect) const;
  bool decodeInto(const Entry& entry, BlockSet& into) const;

  std::unique_ptr<QFile> file_;
  const unsigned char* base_ = nullptr;
  PartState state_ = PartState::Missing;
  std::uint64_t lines_ = 0;
  std::uint32_t blocks_ = 0, entries_ = 0;
  const unsigned char* directory_ = nullptr;
  const unsigned char* table_ = nullptr;
  const unsigned char* entryBase_ = nullptr;
  const unsigned char* postings_ = nullptr;
  std::uint64_t postingsSize_ = 0;
};

}  // namespace quilmo::search
