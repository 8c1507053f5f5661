#include "library/RtfText.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <cctype>
#include <utility>

namespace quilmo::library {

namespace {

// Groups whose content is never text to read.
const QSet<QByteArray> kHiddenGroups = {"fonttbl", "stylesheet", "info", "pict", "header", "footer",
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

struct CharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 0;  // \fsN; 0: the document's own size
  int colour = 0;      // \cfN, a row of the colour table; 0: the automatic colour
  bool operator==(const CharFormat&) const = default;
};

enum class Alignment { Left, Centre, Right, Justified };

// Paragraphs of formatted runs, as HTML that a QTextDocument reads.
class HtmlWriter {
 public:
  void text(QChar c, const CharFormat& format, const QString& colour) {
    if (!inRun_ || !(format == run_)) {
      closeRun();
      openRun(format, colour);
    }
    switch (c.unicode()) {
      case u'&': paragraph_ += QStringLiteral("&amp;"); break;
      case u'<': paragraph_ += QStringLiteral("&lt;"); break;
      case u'>': paragraph_ += QStringLiteral("&gt;"); break;
      case u'\n': paragraph_ += QStringLiteral("<br />"); break;
      default: paragraph_ += c;
    }
  }

  void endParagraph(Alignment alignment) {
    closeRun();
    static const char* const kAlign[] = {"left", "center", "right", "justify"};
    // RTF keeps every blank and no space between paragraphs; an empty one is a blank line.
    out_ += QStringLiteral("<p style=\"margin-top:0; margin-bottom:0; white-space:pre-wrap; text-align:%1;%2\">")
                .arg(QLatin1String(kAlign[int(alignment)]),
                     paragraph_.isEmpty() ? QStringLiteral(" -qt-paragraph-type:empty;") : QString());
    out_ += paragraph_.isEmpty() ? QStringLiteral("<br />") : paragraph_;
    out_ += QStringLiteral("</p>");
    paragraph_.clear();
  }

  // The document, its last paragraph ended even without a \par.
  QString finish(Alignment alignment) {
    if (inRun_) endParagraph(alignment);
    return out_;
  }

 private:
  void openRun(const CharFormat& format, const QString& colour) {
    QStringList style;
    if (format.bold) style << QStringLiteral("font-weight:700");
    if (format.italic) style << QStringLiteral("font-style:italic");
    if (format.underline) style << QStringLiteral("text-decoration:underline");
    if (format.halfPoints > 0) style << QStringLiteral("font-size:%1pt").arg(format.halfPoints / 2.0);
    if (!colour.isEmpty()) style << QStringLiteral("color:") + colour;
    paragraph_ += QStringLiteral("<span style=\"%1\">").arg(style.join(u';'));
    run_ = format;
    inRun_ = true;
  }
  void closeRun() {
    if (std::exchange(inRun_, false)) paragraph_ += QStringLiteral("</span>");
  }

  QString out_;
  QString paragraph_;
  CharFormat run_;
  bool inRun_ = false;
};

struct Group {
  bool hidden = false;
  bool colourTable = false;
  int fallbackLength = 1;  // \ucN: characters that stand in for each \u character
  CharFormat format;
  Alignment alignment = Alignment::Left;
};

class RtfReader {
 public:
  explicit RtfReader(const QByteArray& rtf) : in_(rtf), groups_{Group{}} {}

  QString read() {
    while (at_ < in_.size()) {
      const char c = in_[at_++];
      if (c == '{') {
        groups_.append(groups_.last());
        groupStart_ = true;
        continue;
      }
      const bool wasGroupStart = std::exchange(groupStart_, false);
      if (c == '}') {
        if (groups_.size() <= 2) break;  // the document's own group ends the document
        groups_.removeLast();
      } else if (c == '\\') {
        control(wasGroupStart);
      } else if (c == ';' && group().colourTable) {
        colours_.append(std::exchange(colour_, QString()));
      } else if (c != '\r' && c != '\n') {
        put(fromWindows1252(uchar(c)));
      }
    }
    return out_.finish(group().alignment);
  }

 private:
  Group& group() { return groups_.last(); }

  void put(QChar c) {
    if (skip_ > 0) {
      --skip_;
      return;
    }
    if (group().hidden) return;
    const CharFormat& format = group().format;
    out_.text(c, format, colours_.value(format.colour));
  }

  void endParagraph() {
    if (!group().hidden) out_.endParagraph(group().alignment);
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
        if (atGroupStart) group().hidden = true;  // an optional destination this reader does not know
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
      case '\n': endParagraph(); break;
      case '-': break;  // optional hyphen
      default: put(QLatin1Char(c)); break;  // \\ \{ \}
    }
  }

  void controlWord(const QByteArray& word, const QByteArray& number) {
    Group& current = group();
    if (kHiddenGroups.contains(word)) {
      current.hidden = true;
    } else if (word == "colortbl") {
      current.hidden = current.colourTable = true;
    } else if (current.colourTable) {
      colourPart(word, number.toInt());
    } else if (!characterFormat(current.format, word, number)) {
      textControl(word, number);
    }
  }

  // \redN \greenN \blueN of the colour table's next row.
  void colourPart(const QByteArray& word, int value) {
    const int shift = word == "red" ? 16 : word == "green" ? 8 : word == "blue" ? 0 : -1;
    if (shift < 0) return;
    const uint rgb = colour_.isEmpty() ? 0 : colour_.mid(1).toUInt(nullptr, 16);
    colour_ = u'#' + QString::number((rgb & ~(0xFFu << shift)) | (uint(value & 0xFF) << shift), 16).rightJustified(6, u'0');
  }

  static bool characterFormat(CharFormat& format, const QByteArray& word, const QByteArray& number) {
    const bool on = number != "0";  // \b and \b1 switch on, \b0 off
    if (word == "plain") format = CharFormat{};
    else if (word == "b") format.bold = on;
    else if (word == "i") format.italic = on;
    else if (word == "ul") format.underline = on;
    else if (word == "ulnone") format.underline = false;
    else if (word == "fs") format.halfPoints = number.isEmpty() ? 24 : number.toInt();
    else if (word == "cf") format.colour = number.toInt();
    else return false;
    return true;
  }

  void textControl(const QByteArray& word, const QByteArray& number) {
    if (word == "par" || word == "sect" || word == "page") return endParagraph();
    if (word == "pard" || word == "ql") group().alignment = Alignment::Left;
    if (word == "qc") group().alignment = Alignment::Centre;
    if (word == "qr") group().alignment = Alignment::Right;
    if (word == "qj") group().alignment = Alignment::Justified;
    if (word == "line") return put(u'\n');
    if (word == "tab") return put(u'\t');
    if (word == "emdash") return put(QChar(0x2014));
    if (word == "endash") return put(QChar(0x2013));
    if (word == "bullet") return put(QChar(0x2022));
    if (word == "lquote") return put(QChar(0x2018));
    if (word == "rquote") return put(QChar(0x2019));
    if (word == "ldblquote") return put(QChar(0x201C));
    if (word == "rdblquote") return put(QChar(0x201D));
    if (word == "uc") group().fallbackLength = number.toInt();
    if (word == "u") {
      int code = number.toInt();
      if (code < 0) code += 65536;
      put(QChar(char16_t(code)));
      skip_ = group().fallbackLength;
    }
  }

  const QByteArray& in_;
  qsizetype at_ = 0;
  QList<Group> groups_;  // the first stands for what lies outside every group
  bool groupStart_ = false;
  int skip_ = 0;  // fallback characters still to drop after a \u character
  QStringList colours_;  // the colour table, "#rrggbb" a row; empty for the automatic colour
  QString colour_;       // the row being read
  HtmlWriter out_;
};

}  // namespace

QString rtfToHtml(const QByteArray& rtf) {
  if (rtf.trimmed().startsWith("{\\rtf")) return RtfReader(rtf).read();
  // Not RTF: its lines shown as they are.
  HtmlWriter out;
  for (const QChar c : QString::fromUtf8(rtf)) {
    if (c == u'\n') out.endParagraph(Alignment::Left);
    else if (c != u'\r') out.text(c, {}, {});
  }
  return out.finish(Alignment::Left);
}

}  // namespace quilmo::library
