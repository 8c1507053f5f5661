// JSON Lines: one object per row on a line of its own, keyed by the column names. Texts
// keep their UTF-8; quotes, backslashes and control characters are escaped, so no name
// can break its line. A number column holds numbers; a cell without a value is null.
#include "cli/export/TableFormat.h"

namespace quilmo::cli {

namespace {

void appendString(QByteArray& out, const QString& text) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += '"';
  for (const char c : text.toUtf8()) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20)
          out += QByteArray("\\u00") + kHex[byte >> 4] + kHex[byte & 15];
        else
          out += c;
    }
  }
  out += '"';
}

class JsonLinesFormat : public TableFormat {
 public:
  void begin(QByteArray&, const QString&, const QList<Column>& columns) override { columns_ = columns; }
  void row(QByteArray& out, const Row& cells) override {
    out += '{';
    for (qsizetype i = 0; i < cells.size(); ++i) {
      if (i > 0) out += ',';
      appendString(out, columns_[i].name);
      out += ':';
      if (!cells[i])
        out += "null";
      else if (columns_[i].number)
        out += cells[i]->toUtf8();
      else
        appendString(out, *cells[i]);
    }
    out += "}\n";
  }

 private:
  QList<Column> columns_;
};

}  // namespace

std::unique_ptr<TableFormat> makeJsonLinesFormat() { return std::make_unique<JsonLinesFormat>(); }

}  // namespace quilmo::cli
