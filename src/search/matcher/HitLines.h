#pragma once
// The hit lines of a search (SScLys) in the order found, kept as the quick report's own
// bytes: each line "*" + source + "* " + catalogue line followed by CR LF, UTF-8. A few
// large blocks instead of one string per hit, so the report is written without a copy
// and a growing buffer is never copied; the blocks come from a page arena, as a search
// with many hits spends more on fresh pages than on copying its lines.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <utility>
#include <vector>

#include "platform/PageArena.h"

namespace quilmo::search {

class HitLines {
 public:
  void add(const QByteArray& sourceUtf8, QByteArrayView line);

  qsizetype size() const { return count_; }
  bool isEmpty() const { return count_ == 0; }
  QByteArrayView at(qsizetype i) const;  // without the line end
  QString textAt(qsizetype i) const { return QString::fromUtf8(at(i)); }
  // The quick report's bytes, block by block: views of the arena's memory.
  const std::vector<QByteArray>& reportBlocks() const { return blocks_; }

  // Blocks grow from the first size to the full one, so a search with a few hits
  // touches a few pages only.
  static constexpr qsizetype kFirstBlockSize = 16 << 10, kBlockSize = 1 << 20;

 private:
  struct Place {
    const char* start;
    qsizetype size;
  };
  // Places come in chunks that double from the first size to the full one, as blocks do.
  static constexpr std::size_t kFirstPlaces = 1 << 10, kDoublings = 6, kPlacesPerChunk = kFirstPlaces << kDoublings;
  // Which chunk holds place i, and where in it.
  static std::pair<std::size_t, std::size_t> placeOf(qsizetype i);

  PageArena memory_;
  std::vector<QByteArray> blocks_;  // QByteArray::fromRawData over the arena
  char* blockStart_ = nullptr;      // of the last block
  qsizetype blockSize_ = 0, blockCapacity_ = 0;
  // Where each line is, in chunks from the arena: they never move, so no page is touched twice.
  std::vector<Place*> places_;
  qsizetype count_ = 0;
};

}  // namespace quilmo::search
