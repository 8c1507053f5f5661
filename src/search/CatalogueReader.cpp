#include "search/CatalogueReader.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "platform/TextCase.h"

namespace quilmo::search {

CatalogueReader::CatalogueReader(const std::vector<SearchWord>& words) : words_(words), prefilter_(words) {}

void CatalogueReader::takeLine(ReadPiece& piece, const char* begin, const char* end, qint64 index) const {
  if (end > begin && end[-1] == '\r') --end;
  const QByteArrayView raw(begin, end - begin);
  const bool ascii = isAscii(raw);
  const std::size_t firstAt = piece.positions.size();
  bool any = false;
  auto note = [&](qsizetype at) {
    piece.positions.push_back(at);
    any = any || at >= 0;
  };
  // The line in capitals serves both the word positions and the duplicate key.
  QByteArray upper;
  QByteArray recoded;
  if (ascii) {
    upper = QByteArray(raw.data(), raw.size());
    for (char& c : upper)
      if (c >= 'a' && c <= 'z') c = char(c - 32);
    for (const SearchWord& word : words_)
      // Capitals of ASCII letters are ASCII, so a word with other letters is not in the line.
      note(word.isAscii() ? qsizetype(std::string_view(upper.constData(), std::size_t(upper.size()))
                                          .find(std::string_view(word.asciiUpper().constData(),
                                                                 std::size_t(word.asciiUpper().size()))))
                          : -1);
  } else {
    // Read as UTF-8; bytes of any other encoding become U+FFFD, so the line is valid text.
    const QString text = QString::fromUtf8(raw);
    const QString upperText = upperCased(text);
    for (const SearchWord& word : words_) note(upperText.indexOf(word.upper()));
    if (any) {
      recoded = text.toUtf8();
      upper = upperText.toUtf8();
    }
  }
  if (!any) {
    piece.positions.resize(firstAt);
    return;
  }
  const QByteArrayView bytes = ascii ? raw : QByteArrayView(recoded);
  const std::string_view key(upper.constData(), std::size_t(upper.size()));
  piece.lines.push_back({index, piece.text.size(), bytes.size(), ascii, qsizetype(firstAt), piece.keys.size(),
                         upper.size(), hashOfKey(key)});
  piece.text.append(bytes);
  piece.keys.append(upper);
}

void CatalogueReader::read(const QString& path, const std::function<bool(ReadPiece&&)>& deliver) const {
  QFile file(path);
  if (!QFileInfo::exists(path)) {
    ReadPiece piece;
    piece.missing = piece.last = true;
    deliver(std::move(piece));
    return;
  }
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    ReadPiece piece;
    piece.error = 75;
    piece.errorText = file.errorString();
    piece.last = true;
    deliver(std::move(piece));
    return;
  }
  // One buffer per worker thread, kept between files.
  thread_local QByteArray buffer(kBlockSize, Qt::Uninitialized);
  qsizetype carried = 0;  // bytes of an unfinished line at the buffer's start
  qint64 linesBefore = 0;
  for (;;) {
    if (carried == buffer.size()) buffer.resize(buffer.size() * 2);  // a line longer than a block
    const qint64 got = file.read(buffer.data() + carried, buffer.size() - carried);
    if (got < 0) {
      ReadPiece piece;
      piece.error = 57;
      piece.errorText = file.errorString();
      piece.last = true;
      deliver(std::move(piece));
      return;
    }
    const bool atEnd = got == 0;
    const qsizetype filled = carried + got;
    // Whole lines only, except at the end of the file.
    qsizetype whole = filled;
    if (!atEnd) {
      const void* lastFeed = memrchr(buffer.constData(), '\n', filled);
      whole = lastFeed ? static_cast<const char*>(lastFeed) - buffer.constData() + 1 : 0;
    }
    ReadPiece piece;
    piece.last = atEnd;
    piece.text.reserve(kBlockSize / 16);
    piece.keys.reserve(kBlockSize / 16);
    const char* base = buffer.constData();
    piece.lineCount = qint64(prefilter_.scan(base, whole, [&](std::size_t b, std::size_t e, std::size_t i) {
      takeLine(piece, base + b, base + e, linesBefore + qint64(i));
    }));
    linesBefore += piece.lineCount;
    if ((piece.lineCount > 0 || atEnd) && !deliver(std::move(piece))) return;
    if (atEnd) return;
    carried = filled - whole;
    std::memmove(buffer.data(), buffer.constData() + whole, carried);
  }
}

}  // namespace quilmo::search
