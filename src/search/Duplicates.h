#pragma once
// The duplicate rules of the global search, with hash sets instead of comparing each new
// hit with every earlier one: the same answers, O(1) per hit.
#include <QSet>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "search/HitTest.h"

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
  // "Auto-remove double filenames" clear: is a hit line listed whose text after its first
  // "* " equals this line, both in capitals?
  bool lineListed(const LineKey& line) const;
  // Starts loading what lineListed will look at, so that the lookup finds it in the cache.
  void prefetch(const LineKey& line) const { lineKeys_.prefetch(line); }
  // Records a new hit line of the given source (see keyPrefix).
  void addHit(const QString& keyPrefix, const LineKey& key, const LineText& line);

  // "Auto-remove double filenames" ticked: records the file-name part; false when one
  // equal to it ignoring case was recorded before.
  bool addFileName(QStringView fileName);

 private:
  // An open-addressing set of the capitals of the text after each hit line's first "* ":
  // the slots keep the hashes, so a lookup touches one slot and, on a match, one key.
  class KeySet {
   public:
    bool contains(const LineKey& key) const;
    void prefetch(const LineKey& key) const { __builtin_prefetch(&slots_[key.hash & (slots_.size() - 1)]); }
    void insert(const LineKey& key);

   private:
    struct Slot {
      std::size_t hash = 0;
      std::size_t offset = 0, size = 0;
      bool used = false;
    };
    std::size_t slotOf(const LineKey& key) const;
    void grow();

    std::vector<Slot> slots_ = std::vector<Slot>(1 << 16);
    std::string text_;  // every key, one after another
    std::size_t count_ = 0;
  };
  KeySet lineKeys_;
  QSet<QString> fileNames_;  // capitals
};

// The part of a source's hit-line head "*" + source + "* " that lies after its first
// "* ": empty unless the source name itself holds "* ".
QString keyPrefix(const QString& source);

// The line in capitals, as UTF-8.
QByteArray upperBytes(const LineText& line);

}  // namespace quilmo::search
