// A page that shows the table by itself: UTF-8, its style inline, every text escaped.
#include "cli/export/TableFormat.h"

namespace quilmo::cli {

namespace {

constexpr char kHead[] =
    "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
    "body { font-family: sans-serif; margin: 1em; }\n"
    "table { border-collapse: collapse; }\n"
    "th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; white-space: pre-wrap; }\n"
    "th { background: #eee; }\n"
    "td.number { text-align: right; }\n"
    "</style>\n</head>\n<body>\n<h1>%1</h1>\n<table>\n<thead>\n<tr>";

QByteArray escaped(const QString& text) {
  QByteArray out;
  for (const char c : text.toUtf8()) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

class HtmlFormat : public TableFormat {
 public:
  void begin(QByteArray& out, const QString& title, const QList<Column>& columns) override {
    columns_ = columns;
    out += QByteArray(kHead).replace("%1", escaped(title));
    for (const Column& column : columns) out += "<th>" + escaped(column.name) + "</th>";
    out += "</tr>\n</thead>\n<tbody>\n";
  }
  void row(QByteArray& out, const Row& cells) override {
    out += "<tr>";
    for (qsizetype i = 0; i < cells.size(); ++i)
      out += (columns_[i].number ? "<td class=\"number\">" : "<td>") + escaped(cells[i].value_or(QString())) + "</td>";
    out += "</tr>\n";
  }
  void end(QByteArray& out) override { out += "</tbody>\n</table>\n</body>\n</html>\n"; }

 private:
  QList<Column> columns_;
};

}  // namespace

std::unique_ptr<TableFormat> makeHtmlFormat() { return std::make_unique<HtmlFormat>(); }

}  // namespace quilmo::cli
