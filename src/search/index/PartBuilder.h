#pragma once
// Builds one disc's part of the search index from its catalogue (layout: IndexFormat.h).
// A builder keeps its tables from one catalogue to the next; use one per thread.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/FileStamp.h"
#include "platform/PageArena.h"

namespace quilmo::search {

class PartBuilder {
 public:
  PartBuilder();

  // Writes the part of the catalogue at cataloguePath to partPath through a temporary
  // file. False, with the reason and the old part left as it was, when the catalogue
  // cannot be read or changed while it was read, or the part cannot be written.
  bool build(const QString& cataloguePath, const QString& partPath, QString* error = nullptr);


 private:
  void begin();
  // Takes the lines of bytes; at the file's end the last may lack its line feed.
  // Returns how many bytes were taken (up to the last whole line unless atEnd).
  qsizetype takeLines(const char* bytes, qsizetype size, bool atEnd);
  void addLine(const char* begin, const char* end);
  void endBlock();
  // Lays the part out in head_, entries_ and postings_; false when it would be too large.
  bool encode(const FileStamp& stamp);
  // Lays the blocks out key by key in blocksByKey_; keyEnds_ then holds where each ends.
  void groupByKey();

  // The keys met in the block being read: a bit per key, and the keys themselves.
  std::vector<std::uint64_t> seen_;
  std::vector<std::uint32_t> blockKeys_;
  // The keys of every block, one block after the other; how many blocks hold each key,
  // until groupByKey; then the blocks of each key, key by key.
  // In huge pages: a catalogue indexed alone would otherwise spend more on fresh pages.
  std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> blockKeyRuns_, keyEnds_, blocksByKey_;
  std::vector<std::size_t> blockRunEnds_;  // where each block's keys end in blockKeyRuns_
  std::vector<std::uint64_t> blockStarts_;
  QByteArray capitals_, previous_;  // the line's capitals, and the previous line's in this block
  std::uint64_t offset_ = 0;        // of the next line in the catalogue
  std::uint64_t lines_ = 0;
  std::uint32_t linesInBlock_ = 0;
  // The part's bytes: header, filter, directory and block table; the entries; the lists.
  std::vector<unsigned char> head_, entries_, postings_;
};

}  // namespace quilmo::search
