#include "search/reading/CatalogueReader.h"

#include <cstring>

#include "platform/TextCase.h"

namespace quilmo::search {

namespace {

// The only letters beyond ASCII whose capitals are ASCII: the dotless i and the long s.
bool hasLetterWithAsciiCapital(QByteArrayView utf8) {
  return utf8.contains("\xC4\xB1") || utf8.contains("\xC5\xBF");
}

// Room for size more bytes at the end of bytes, and for the word finder's reading past
// them; grows geometrically.
char* appendRoom(QByteArray& bytes, qsizetype size) {
  const qsizetype at = bytes.size();
  if (bytes.capacity() < at + size + WordFinder::kSlack) bytes.reserve(2 * (at + size + WordFinder::kSlack));
  bytes.resize(at + size);
  return bytes.data() + at;
}

}  // namespace

CatalogueReader::CatalogueReader(const std::vector<SearchWord>& words, const SearchIndex* index)
    : words_(words), prefilter_(words), finder_(words), index_(index), indexQuery_(words) {
  if (index && indexQuery_.usable()) lookup_ = std::make_unique<IndexLookup>(*index, indexQuery_);
  if (lookup_ && lookup_->tooCommon()) lookup_.reset();
  for (const SearchWord& word : words_) {
    wordsHaveAsciiCapitals_ = wordsHaveAsciiCapitals_ && word.hasAsciiCapitals();
    wordsFoundByAsciiCapitals_ = wordsFoundByAsciiCapitals_ && word.foundByAsciiCapitals();
  }
}

void CatalogueReader::takeLine(ReadPiece& piece, const char* begin, const char* end, bool ended,
                               qint64 index) const {
  if (ended && end > begin && end[-1] == '\r') --end;  // CR LF; a CR alone stays in the line
  const QByteArrayView raw(begin, end - begin);
  const std::size_t firstAt = piece.positions.size();
  const qsizetype keyAt = piece.keys.size();
  bool any = false;
  auto note = [&](qsizetype at) {
    piece.positions.push_back(at);
    any = any || at >= 0;
  };
  // The line with a-z as A-Z goes straight to the end of piece.keys: for an ASCII line it
  // is the line in capitals, which gives the word positions and the duplicate key.
  char* upper = appendRoom(piece.keys, raw.size());
  const bool ascii = asciiUpperCopy(upper, raw.data(), raw.size());
  // Whether a word is in the line can be read from those bytes for every ASCII line, and
  // for most others; positions in other lines count UTF-16 units, found below.
  if (ascii || (wordsHaveAsciiCapitals_ && (wordsFoundByAsciiCapitals_ || !hasLetterWithAsciiCapital(raw))))
    any = finder_.find(QByteArrayView(upper, raw.size()), piece.positions);
  else
    any = true;
  if (!ascii) {
    piece.positions.resize(firstAt);
    piece.keys.truncate(keyAt);
  }
  QByteArray recoded;
  if (!ascii && any) {
    // Read as UTF-8; bytes of any other encoding become U+FFFD, so the line is valid text.
    any = false;
    const QString text = QString::fromUtf8(raw);
    const QString upperText = upperCased(text);
    for (const SearchWord& word : words_) note(upperText.indexOf(word.upper()));
    if (any) {
      recoded = text.toUtf8();
      piece.keys.append(upperText.toUtf8());
    }
  }
  if (!any) {
    piece.positions.resize(firstAt);
    piece.keys.truncate(keyAt);
    return;
  }
  const QByteArrayView bytes = ascii ? raw : QByteArrayView(recoded);
  const qsizetype keySize = piece.keys.size() - keyAt;
  piece.lines.push_back({index, piece.text.size(), bytes.size(), ascii, qsizetype(firstAt), keyAt, keySize,
                         hashOfKey(std::string_view(piece.keys.constData() + keyAt, std::size_t(keySize)))});
  piece.text.append(bytes);
}

void ReadPiece::clear() {
  text.resize(0);
  keys.resize(0);
  lines.clear();
  positions.clear();
  lineCount = 0;
  span = 0;
  last = missing = false;
  error = 0;
  errorText.clear();
}

bool CatalogueReader::scanBlock(ReadPiece& piece, const char* base, qsizetype size, bool atEnd, qint64& linesBefore,
                                const Delivery& deliver) const {
  const qint64 lines = qint64(prefilter_.scan(base, std::size_t(size), [&](std::size_t b, std::size_t e, std::size_t i) {
    takeLine(piece, base + b, base + e, qsizetype(e) < size, linesBefore + qint64(i));
  }));
  linesBefore += lines;
  piece.lineCount += lines;
  piece.span += size;
  piece.last = atEnd;
  // A piece covers several blocks, so the receiver is woken less often than blocks are read.
  if (!atEnd && (piece.lineCount == 0 || piece.span < kPieceSpan)) return true;
  const bool goOn = deliver(piece);
  piece.clear();
  return goOn;
}

void CatalogueReader::read(const QString& path, ReadPiece& piece, const Delivery& deliver) const {
  StampedFile file;  // opened by the index's check, or else here
  if (lookup_ && readIndexed(path, file, piece, deliver)) return piece.clear();
  piece.clear();  // what an index read gave up on
  readWhole(file.stamp() ? std::move(file) : StampedFile(path), piece, deliver);
}

void CatalogueReader::readWhole(const StampedFile& file, ReadPiece& piece, const Delivery& deliver) const {
  auto failed = [&](int error, const QString& text, bool missing) {
    piece.clear();
    piece.error = error;
    piece.errorText = text;
    piece.missing = missing;
    piece.last = true;
    deliver(piece);
    piece.clear();
  };
  if (!file.stamp()) {
    if (file.missing()) return failed(0, {}, true);
    // Only a plain file is read: a named pipe would wait for a writer for ever.
    if (file.notPlain()) return failed(75, QStringLiteral("It is not a file."), false);
    return failed(75, file.errorString(), false);
  }
  qint64 linesBefore = 0, offset = 0;

  // Read in blocks; a block ends with its last whole line, the rest moves to the next.
  thread_local QByteArray buffer(kBlockSize, Qt::Uninitialized);  // one per worker thread
  qsizetype carried = 0;  // bytes of an unfinished line at the buffer's start
  for (;;) {
    if (carried == buffer.size()) buffer.resize(buffer.size() * 2);  // a line longer than a block
    QString error;
    const qint64 got = file.readSomeAt(offset, buffer.data() + carried, buffer.size() - carried, &error);
    if (got < 0) return failed(57, error, false);
    offset += got;
    const bool atEnd = got == 0;
    const qsizetype filled = carried + got;
    qsizetype whole = filled;
    if (!atEnd) {
      whole = QByteArrayView(buffer.constData(), filled).lastIndexOf('\n') + 1;
    }
    if (!scanBlock(piece, buffer.constData(), whole, atEnd, linesBefore, deliver) || atEnd) return piece.clear();
    carried = filled - whole;
    std::memmove(buffer.data(), buffer.constData() + whole, std::size_t(carried));
  }
}

}  // namespace quilmo::search
