// The catalogue reader's way through the search index: only the blocks of lines that the
// catalogue's part names as candidates are read, and their lines go through the same
// prefilter and word finder as a whole file's, numbered as in the whole file. The one
// piece delivered therefore holds exactly the lines that reading it whole would give.
#include <QFile>
#include <QFileInfo>
#include <bit>

#include "search/index/IndexFormat.h"
#include "search/index/SearchIndex.h"
#include "search/reading/CatalogueReader.h"

namespace quilmo::search {

namespace {

// Reads size bytes at offset into buffer; false when the file has fewer.
bool readAt(QFile& file, qint64 offset, qsizetype size, QByteArray& buffer) {
  buffer.resize(size);
  return file.seek(offset) && file.read(buffer.data(), size) == size;
}

}  // namespace

bool CatalogueReader::readIndexed(const QString& path, ReadPiece& piece, const Delivery& deliver) const {
  IndexPart part(index_->partPath(path), path);
  if (part.state() != PartState::Fresh) {
    if (QFileInfo(path).isFile()) index_->noteUnusable(path);
    return false;
  }
  if (!indexQuery_.usable()) return false;
  const IndexPart::Candidates found = part.candidates(indexQuery_, index_->indexedShare());
  if (found.outcome == IndexPart::Candidates::Damaged) index_->noteUnusable(path);
  if (found.outcome != IndexPart::Candidates::Found) return false;

  QFile file(path);
  thread_local QByteArray run;
  const std::uint32_t blocks = part.blockCount();
  for (std::uint32_t first = 0; first < blocks; ++first) {
    if (!(found.blocks[first / 64] >> (first % 64) & 1)) continue;
    std::uint32_t end = first + 1;  // consecutive candidates are read at once
    std::uint32_t lines = part.linesOf(first);
    for (; end < blocks && (found.blocks[end / 64] >> (end % 64) & 1); ++end) lines += part.linesOf(end);
    // The byte before the run too, which must end a line as the run's last one must,
    // unless the run ends the file: else the part describes another catalogue.
    const auto span = part.span(first, end);
    if (!file.isOpen() && !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    const qint64 from = span ? qint64(span->from) : 0, to = span ? qint64(span->to) : 0;
    const qint64 before = first > 0 ? 1 : 0;
    if (!span || !readAt(file, from - before, qsizetype(to - from + before), run) || (before && run[0] != '\n') ||
        (end < blocks && run.back() != '\n')) {
      index_->noteUnusable(path);
      return false;
    }
    const char* base = run.constData() + before;
    const auto size = qsizetype(to - from);
    const qint64 firstLine = qint64(first) * index::kBlockLines;
    const std::size_t seen = prefilter_.scan(base, std::size_t(size), [&](std::size_t b, std::size_t e, std::size_t i) {
      takeLine(piece, base + b, base + e, qsizetype(e) < size, firstLine + qint64(i));
    });
    if (seen != lines) {
      index_->noteUnusable(path);
      return false;
    }
    first = end;
  }
  piece.lineCount = qint64(part.lineCount());
  piece.span = qsizetype(part.catalogueSize());
  piece.last = true;
  index_->noteIndexedRead();
  deliver(piece);
  return true;
}

}  // namespace quilmo::search
