#pragma once
// The matcher of the global search: does a catalogue line hold a search word, and does
// that occurrence pass the matching options. Only the first occurrence of the word (both
// taken in capitals) is ever examined; the options then judge that one occurrence.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quilmo::search {

// The delimiters of the whole-word test.
inline constexpr char kWordSeparators[] = "\\/,.'][{}+-_)(&^%$#@!~`=; ";
bool isWordSeparator(QChar c);

// One word of the word list, prepared once per search.
class SearchWord {
 public:
  explicit SearchWord(const QString& text);

  const QString& text() const { return text_; }
  const QString& upper() const { return upper_; }
  bool isAscii() const { return ascii_; }
  // Only when isAscii(): the word as bytes.
  const QByteArray& asciiText() const { return asciiText_; }
  // Whether the capitals are ASCII (also true of "ſnap", whose capitals are "SNAP"), and
  // then those capitals as bytes. Words whose capitals are not ASCII are in no ASCII line.
  bool hasAsciiCapitals() const { return asciiCapitals_; }
  const QByteArray& asciiUpper() const { return asciiUpper_; }
  // Whether the capitals are ASCII without I and S, the only capitals that letters beyond
  // ASCII have in ASCII (dotless i, long s). Such a word is in a line exactly when its
  // capitals are in the line's UTF-8 bytes with a-z taken as A-Z, whatever else the line holds.
  bool foundByAsciiCapitals() const { return plainCapitals_; }

 private:
  QString text_, upper_;
  QByteArray asciiText_, asciiUpper_;
  bool ascii_ = true;
  bool asciiCapitals_ = true;
  bool plainCapitals_ = true;
};

// A catalogue line as read: its UTF-8 bytes, decoded only when a test needs the text.
class LineText {
 public:
  LineText(const char* data, qsizetype size, bool ascii) : data_(data), size_(size), ascii_(ascii) {}
  explicit LineText(QByteArrayView bytes);

  bool isAscii() const { return ascii_; }
  QByteArrayView bytes() const { return {data_, size_}; }
  const QString& text() const;  // decoded on first use; invalid bytes become U+FFFD

 private:
  const char* data_;
  qsizetype size_;
  bool ascii_;
  mutable QString text_;
  mutable bool decoded_ = false;
};

bool isAscii(QByteArrayView bytes);
// First position of needle in text, byte for byte, or -1 (0 for an empty needle). Lines
// are short: a 16-byte test of the needle's first and last byte beats the library's
// searches there.
qsizetype indexOfBytes(QByteArrayView text, QByteArrayView needle);

// a-z to A-Z, the capitals of an ASCII text.
void asciiUpperInPlace(char* text, qsizetype size);
// Copies size bytes with a-z as A-Z, in one pass; true when all of them are ASCII.
bool asciiUpperCopy(char* to, const char* from, qsizetype size);

// Position (from 0, in UTF-16 units of the decoded line) of the first occurrence of the
// word in the line, both taken in capitals; -1 when there is none. An empty word is found
// at position 0 of every line.
qsizetype firstOccurrence(const LineText& line, const SearchWord& word);

// "Case sensitive": the line at the occurrence equals the word letter for letter.
bool passesCase(const LineText& line, const SearchWord& word, qsizetype at);
// "Word ONLY": a separator (or the line's start or end) on both sides of the occurrence.
bool passesWordOnly(const LineText& line, const SearchWord& word, qsizetype at);

// The part of a line after its last backslash (the whole line when it has none).
QStringView fileNamePart(QStringView line);

// The file-type test: no selected type means every text passes; otherwise the text in
// capitals must end with one of the types as stored.
bool passesFileType(QStringView text, const QStringList& selectedTypes);

}  // namespace quilmo::search
