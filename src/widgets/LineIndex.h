#pragma once
// The text behind the catalogue view: the file's UTF-8 bytes as they are, plus the byte
// and character offset of every line start. Nothing is decoded until a line is asked
// for, so a million-line catalogue costs little more than its own size.
// Positions count characters (UTF-16 code units) from 0; LF and CR LF are one character.
#include <QByteArray>
#include <QString>
#include <vector>

namespace quilmo {

class LineIndex {
 public:
  // Reads a file. False, with the reason, when it cannot be read; the text is then empty.
  bool load(const QString& path, QString* error = nullptr);
  void setText(QStringView text);
  void setUtf8(QByteArray bytes);
  void append(QStringView text);
  void clear();

  qint64 length() const { return length_; }
  // Lines the view shows: a text that ends with a line break has an empty last row.
  qint64 rowCount() const { return qint64(rows_.size()); }
  // The line of the last character + 1; an empty text has 1.
  qint64 lineCount() const;
  qint64 lineOfPosition(qint64 position) const;
  qint64 lineStart(qint64 row) const { return rows_[size_t(row)].chars; }
  qint64 lineLength(qint64 row) const;  // without its line break
  qint64 longestLine() const { return longest_; }
  // The line without its break; only its first maxChars characters when maxChars >= 0.
  QString lineText(qint64 row, qint64 maxChars = -1) const;

  QString text() const { return text(0, length_); }
  QString text(qint64 position, qint64 count) const;  // line breaks as LF

  // First occurrence of word at or after from, without regard to letter case, or -1.
  qint64 find(QStringView word, qint64 from) const;

 private:
  struct Row {
    qint64 bytes;  // offset of the line's first byte
    qint64 chars;  // position of the line's first character
  };

  void indexFrom(qint64 row);
  qint64 contentEnd(qint64 row) const;  // byte offset just past the line's text
  qint64 byteOfPosition(qint64 position) const;
  qint64 positionOfByte(qint64 byte) const;
  qint64 findBytes(const QByteArray& upperAscii, qint64 from) const;
  QByteArray asciiClue(const QString& upper) const;
  qint64 findDecoded(const QString& upper, qint64 from) const;

  QByteArray bytes_;
  std::vector<Row> rows_{Row{0, 0}};
  qint64 length_ = 0;
  qint64 longest_ = 0;
  // Holds a character whose capital is an ASCII letter (dotless i, long s), which the
  // byte search would miss.
  bool foldsToAscii_ = false;
};

}  // namespace quilmo
