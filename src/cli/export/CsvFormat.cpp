// CSV as RFC 4180 has it: a header record, CR LF after every record, and a field in double
// quotes (its own quotes doubled) when it holds a quote, a comma, a CR or an LF.
#include <QStringList>

#include "cli/export/TableFormat.h"

namespace quilmo::cli {

namespace {

void appendField(QByteArray& out, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  const bool quoted = bytes.contains('"') || bytes.contains(',') || bytes.contains('\r') || bytes.contains('\n');
  if (!quoted) {
    out += bytes;
    return;
  }
  out += '"';
  for (const char c : bytes) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void appendRecord(QByteArray& out, const QStringList& fields) {
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    appendField(out, fields[i]);
  }
  out += "\r\n";
}

class CsvFormat : public TableFormat {
 public:
  void begin(QByteArray& out, const QString&, const QList<Column>& columns) override {
    QStringList names;
    for (const Column& column : columns) names += column.name;
    appendRecord(out, names);
  }
  void row(QByteArray& out, const Row& cells) override {
    QStringList fields;
    for (const auto& cell : cells) fields += cell.value_or(QString());
    appendRecord(out, fields);
  }
};

}  // namespace

std::unique_ptr<TableFormat> makeCsvFormat() { return std::make_unique<CsvFormat>(); }

}  // namespace quilmo::cli
