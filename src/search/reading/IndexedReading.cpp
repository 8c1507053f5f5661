// The catalogue reader's way through the search index: only the blocks of lines that the
// index names as candidates are read, and their lines go through the same
// prefilter and word finder as a whole file's, numbered as in the whole file. The one
// piece delivered therefore holds exactly the lines that reading it whole would give.
#include "search/index/IndexFormat.h"
#include "search/index/SearchIndex.h"
#include "search/reading/CatalogueReader.h"

namespace quilmo::search {

namespace {

// Reads size bytes at offset into buffer; false when the file has fewer.
bool readAt(const StampedFile& file, qint64 offset, qsizetype size, QByteArray& buffer) {
  buffer.resize(size);
  return file.readAt(offset, buffer.data(), size);
}

}  // namespace

bool CatalogueReader::readIndexed(const QString& path, StampedFile& file, ReadPiece& piece,
                                  const Delivery& deliver) const {
  IndexLookup::Result found = lookup_->find(path);
  file = std::move(found.file);
  if (found.outcome != IndexLookup::Result::Blocks) return false;
  const BlockTable& table = found.table;
  // A run the index describes wrongly means it belongs to another catalogue after all;
  // the catalogue is then read whole, from an empty piece.
  const auto wrong = [&] {
    if (found.part) index_->noteUnusable(path);
    else index_->noteCombinedDamaged();
    piece.clear();
    return false;
  };

  thread_local QByteArray run;
  for (std::uint32_t first = nextBlock(found.blocks, 0, table.blocks); first < table.blocks;) {
    std::uint32_t end = first + 1;  // consecutive candidates are read at once
    std::uint32_t lines = table.linesOf(first);
    for (; end < table.blocks && nextBlock(found.blocks, end, end + 1) == end; ++end) lines += table.linesOf(end);
    // The byte before the run too, which must end a line as the run's last one must,
    // unless the run ends the file: else the index describes another catalogue.
    const auto span = table.span(first, end);
    // Opened for the first run, unless the index opened it: it must be the version indexed.
    if (!file.stamp()) file = StampedFile(path);
    if (file.stamp() != found.stamp) return false;
    const qint64 from = span ? qint64(span->from) : 0, to = span ? qint64(span->to) : 0;
    const qint64 before = first > 0 ? 1 : 0;
    if (!span || !readAt(file, from - before, qsizetype(to - from + before), run) || (before && run[0] != '\n') ||
        (end < table.blocks && run.back() != '\n'))
      return wrong();
    const char* base = run.constData() + before;
    const auto size = qsizetype(to - from);
    const qint64 firstLine = qint64(first) * index::kBlockLines;
    const std::size_t seen = prefilter_.scan(base, std::size_t(size), [&](std::size_t b, std::size_t e, std::size_t i) {
      takeLine(piece, base + b, base + e, qsizetype(e) < size, firstLine + qint64(i));
    });
    if (seen != lines) return wrong();
    first = nextBlock(found.blocks, end, table.blocks);
  }
  piece.lineCount = qint64(table.lines);
  piece.span = qsizetype(table.catalogueSize);
  piece.last = true;
  index_->noteIndexedRead();
  deliver(piece);
  return true;
}

}  // namespace quilmo::search
