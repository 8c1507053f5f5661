#include "library/RtfText.h"

#include <QList>
#include <QSet>
#include <cctype>
#include <utility>

namespace quilmo::library {

namespace {

// Groups whose content is never text to read.
const QSet<QByteArray> kHiddenGroups = {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header", "footer",
                                        "headerl", "headerr", "footerl", "footerr", "listtable",
                                        "listoverridetable", "rsidtbl", "themedata", "colorschememapping",
                                        "datastore", "latentstyles", "xmlnstbl", "generator", "object", "filetbl"};

// Windows-1252, the code page of \'hh escapes, where it differs from Latin-1.
QChar fromWindows1252(uchar byte) {
  static const char16_t k80to9F[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  return byte >= 0x80 && byte <= 0x9F ? QChar(k80to9F[byte - 0x80]) : QChar(byte);
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Group {
  bool hidden = false;
  int fallbackLength = 1;  // \ucN: characters that stand in for each \u character
};

class RtfReader {
 public:
  explicit RtfReader(const QByteArray& rtf) : in_(rtf) {}

  QString read() {
    while (at_ < in_.size()) {
      const char c = in_[at_++];
      if (c == '{') {
        groups_.append(groups_.isEmpty() ? Group{} : groups_.last());
        groupStart_ = true;
        continue;
      }
      const bool wasGroupStart = std::exchange(groupStart_, false);
      if (c == '}') {
        if (!groups_.isEmpty()) groups_.removeLast();
      } else if (c == '\\') {
        control(wasGroupStart);
      } else if (c != '\r' && c != '\n') {
        put(fromWindows1252(uchar(c)));
      }
    }
    return out_;
  }

 private:
  void put(QChar c) {
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (!hidden()) out_ += c;
  }

  bool hidden() const { return !groups_.isEmpty() && groups_.last().hidden; }
  void hide() {
    if (!groups_.isEmpty()) groups_.last().hidden = true;
  }

  void control(bool atGroupStart) {
    if (at_ >= in_.size()) return;
    const char c = in_[at_];
    if (!std::isalpha(uchar(c))) {
      ++at_;
      symbol(c, atGroupStart);
      return;
    }
    QByteArray word;
    while (at_ < in_.size() && std::isalpha(uchar(in_[at_]))) word += in_[at_++];
    QByteArray number;
    if (at_ < in_.size() && (in_[at_] == '-' || std::isdigit(uchar(in_[at_])))) number += in_[at_++];
    while (at_ < in_.size() && std::isdigit(uchar(in_[at_]))) number += in_[at_++];
    if (at_ < in_.size() && in_[at_] == ' ') ++at_;  // the delimiter belongs to the word
    controlWord(word, number);
  }

  void symbol(char c, bool atGroupStart) {
    switch (c) {
      case '*':
        if (atGroupStart) hide();  // an optional destination this reader does not know
        break;
      case '\'': {
        const int high = at_ < in_.size() ? hexValue(in_[at_]) : -1;
        const int low = at_ + 1 < in_.size() ? hexValue(in_[at_ + 1]) : -1;
        if (high >= 0 && low >= 0) {
          at_ += 2;
          put(fromWindows1252(uchar(high * 16 + low)));
        }
        break;
      }
      case '~': put(QChar(0x00A0)); break;
      case '_': put(QChar(0x2011)); break;
      case '\r':
      case '\n': put(u'\n'); break;
      case '-': break;  // optional hyphen
      default: put(QLatin1Char(c)); break;  // \\ \{ \}
    }
  }

  void controlWord(const QByteArray& word, const QByteArray& number) {
    if (kHiddenGroups.contains(word)) return hide();
    if (word == "par" || word == "line" || word == "sect" || word == "page") return put(u'\n');
    if (word == "tab") return put(u'\t');
    if (word == "emdash") return put(QChar(0x2014));
    if (word == "endash") return put(QChar(0x2013));
    if (word == "bullet") return put(QChar(0x2022));
    if (word == "lquote") return put(QChar(0x2018));
    if (word == "rquote") return put(QChar(0x2019));
    if (word == "ldblquote") return put(QChar(0x201C));
    if (word == "rdblquote") return put(QChar(0x201D));
    if (word == "uc" && !groups_.isEmpty()) groups_.last().fallbackLength = number.toInt();
    if (word == "u") {
      int code = number.toInt();
      if (code < 0) code += 65536;
      put(QChar(char16_t(code)));
      skip_ = groups_.isEmpty() ? 1 : groups_.last().fallbackLength;
    }
  }

  const QByteArray& in_;
  qsizetype at_ = 0;
  QList<Group> groups_;
  bool groupStart_ = false;
  int skip_ = 0;  // fallback characters still to drop after a \u character
  QString out_;
};

}  // namespace

QString rtfToPlainText(const QByteArray& rtf) {
  if (!rtf.trimmed().startsWith("{\\rtf")) return QString::fromUtf8(rtf);  // not RTF: shown as it is
  return RtfReader(rtf).read().trimmed();
}

}  // namespace quilmo::library
