#pragma once
// The duplicate rules of the global search, with hash sets instead of comparing each new
// hit with every earlier one: the same answers, O(1) per hit.
#include <QSet>
#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/PageArena.h"
#include "search/matcher/HitLines.h"
#include "search/matcher/HitTest.h"

namespace quilmo::search {

// A line in capitals (UTF-8) with its hash; the catalogue reader makes them on its
// worker threads so the caller only looks them up.
struct LineKey {
  std::string_view upper;
  std::size_t hash = 0;
};
std::size_t hashOfKey(std::string_view upper);

class Duplicates {
 public:
  explicit Duplicates(const HitLines& hits) : hits_(hits) {}

  // "Auto-remove double filenames" clear: is a hit line listed whose text after its first
  // "* " equals this line, both in capitals?
  bool lineListed(const LineKey& line) const;
  // Starts loading what lineListed will look at, so that the lookup finds it in the cache.
  void prefetch(const LineKey& line) const { __builtin_prefetch(&slots_[firstSlot(highHalf(line.hash))]); }
  // Records hit line number hit, whose line is `line`; keyStart is where the text after
  // its first "* " begins (see keyStart()).
  void addHit(qsizetype hit, qsizetype keyStart, const LineKey& line, bool lineIsAscii);

  // "Auto-remove double filenames" ticked: records the file-name part; false when one
  // equal to it ignoring case was recorded before.
  bool addFileName(QStringView fileName);

 private:
  // Open addressing over the hit lines themselves: a slot keeps part of a key's hash and
  // the hit line that holds the key, so a lookup touches one small slot and, on a match,
  // one line.
  struct Slot {
    // The upper half of the key's hash: its low bits choose the slot, so the table grows
    // without reading a single line, and the whole of it tells most keys apart unread.
    std::uint32_t hashHigh = 0;
    std::uint32_t hit = 0;       // hit line number + 1; 0 for an empty slot
  };
  // A large table lies on huge pages: filled at random, it would else fault in each of
  // its pages one by one.
  using SlotTable = std::vector<Slot, HugePageAllocator<Slot>>;
  static std::uint32_t highHalf(std::size_t hash) { return std::uint32_t(std::uint64_t(hash) >> 32); }
  std::size_t firstSlot(std::uint32_t hashHigh) const { return hashHigh & (slots_.size() - 1); }
  std::size_t slotOf(const LineKey& key) const;  // the key's slot, or the empty one it would take
  QByteArrayView keyOf(qsizetype hit) const;     // the text after the first "* " of a hit line
  void grow();

  const HitLines& hits_;
  // Small at first, so a search with few hits touches a few pages; past those, the size
  // that a search with many hits needs at once, then doubled as they grow.
  static constexpr std::size_t kFirstSlots = 1 << 12, kManySlots = 1 << 17;
  SlotTable slots_ = SlotTable(kFirstSlots);
  std::size_t count_ = 0;
  QSet<QString> fileNames_;  // capitals
};

// Where the text after the first "* " of a hit line "*" + source + "* " + line begins,
// in bytes: right after the head unless the source name itself holds "* ".
qsizetype keyStart(const QByteArray& sourceUtf8);

// The line in capitals, as UTF-8.
QByteArray upperBytes(const LineText& line);

}  // namespace quilmo::search
