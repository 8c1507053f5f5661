#pragma once
// The searcher of the global search: reads one catalogue in large blocks, lets the
// prefilter pick the lines that may hold a word, and for those lines finds the first
// occurrence of every word. What the options then make of an occurrence is decided by
// the caller, line by line, with the options of that moment.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "search/index/IndexLookup.h"
#include "search/index/Trigrams.h"
#include "search/matcher/Duplicates.h"
#include "search/matcher/HitTest.h"
#include "search/matcher/Prefilter.h"
#include "search/matcher/WordFinder.h"

namespace quilmo::search {

class SearchIndex;

// A line that holds at least one of the words.
struct CandidateLine {
  qint64 index = 0;        // line number in its file, from 0
  qsizetype offset = 0;    // of its bytes in ReadPiece::text
  qsizetype size = 0;      // without the line end
  bool ascii = true;
  qsizetype firstAt = 0;   // of its word positions in ReadPiece::positions
  qsizetype keyOffset = 0, keySize = 0;  // of its capitals in ReadPiece::keys
  std::size_t keyHash = 0;
};

// The result of one block of a file. Errors are the system's error numbers.
struct ReadPiece {
  QByteArray text;                     // the candidate lines' bytes, one after another
  QByteArray keys;                     // the same lines in capitals
  std::vector<CandidateLine> lines;
  std::vector<qsizetype> positions;    // per line, per word: first occurrence or -1
  qint64 lineCount = 0;                // lines of the file covered by this piece
  qsizetype span = 0;                  // bytes of the file covered by this piece
  bool last = false;                   // the file ends here
  bool missing = false;                // the file does not exist
  int error = 0;                       // 75 cannot be opened, 57 read failure
  QString errorText;

  // Empties the piece, keeping its memory for the next block.
  void clear();

  LineText line(const CandidateLine& c) const { return {text.constData() + c.offset, c.size, c.ascii}; }
  LineKey key(const CandidateLine& c) const {
    return {std::string_view(keys.constData() + c.keyOffset, std::size_t(c.keySize)), c.keyHash};
  }
};

class CatalogueReader {
 public:
  // With an index, a catalogue that it holds as it is has only the blocks read that may
  // hold a word, when they are few; the pieces are the same as from reading it whole.
  explicit CatalogueReader(const std::vector<SearchWord>& words, const SearchIndex* index = nullptr);

  // Reads path into piece (empty; its memory is reused), handing each full piece to deliver
  // in file order; the last one has last set. deliver takes the piece's content and leaves
  // an empty piece in its place (one whose memory it recycled, preferably). Stops early,
  // without a last piece, when deliver returns false. piece is left empty, for the next file.
  using Delivery = std::function<bool(ReadPiece&)>;
  void read(const QString& path, ReadPiece& piece, const Delivery& deliver) const;
  // The index names a few blocks of the catalogue, or none, to read: asks nothing of the file.
  bool readsFewBlocks(const QString& path) const { return lookup_ && lookup_->namesFewBlocks(path); }

  static constexpr qsizetype kBlockSize = 256 << 10;  // read at once, and scanned while in the cache
  static constexpr qsizetype kPieceSpan = 4 << 20;   // of the file in a delivered piece, unless it ends first

 private:
  // A candidate line [begin, end); ended: a line feed follows it.
  void takeLine(ReadPiece& piece, const char* begin, const char* end, bool ended, qint64 index) const;
  // One piece from whole lines; false when the receiver wants no more.
  bool scanBlock(ReadPiece& piece, const char* base, qsizetype size, bool atEnd, qint64& linesBefore,
                 const Delivery& deliver) const;
  void readWhole(const StampedFile& file, ReadPiece& piece, const Delivery& deliver) const;
  // Reads through what the index holds of the catalogue; false, having delivered nothing,
  // when it cannot tell (IndexedReading.cpp). Leaves the catalogue in file when it opened it.
  bool readIndexed(const QString& path, StampedFile& file, ReadPiece& piece, const Delivery& deliver) const;

  const std::vector<SearchWord>& words_;
  Prefilter prefilter_;
  WordFinder finder_;
  bool wordsHaveAsciiCapitals_ = true;
  bool wordsFoundByAsciiCapitals_ = true;
  const SearchIndex* index_;
  IndexQuery indexQuery_;
  std::unique_ptr<IndexLookup> lookup_;  // with an index that can answer these words
};

}  // namespace quilmo::search
