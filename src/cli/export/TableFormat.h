#pragma once
// The formats of quilmo-cli export: a table (named columns, rows of cells) written as
// CSV, JSON Lines or an HTML page. A format writes bytes into a buffer as rows come, so a
// disc of a million files is never held whole.
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace quilmo::cli {

struct Column {
  QString name;
  bool number = false;  // its cells are whole numbers
};

// A cell without a value (no facts for that file) is left empty, or null in JSON.
using Row = QList<std::optional<QString>>;

class TableFormat {
 public:
  virtual ~TableFormat() = default;
  virtual void begin(QByteArray& out, const QString& title, const QList<Column>& columns) = 0;
  virtual void row(QByteArray& out, const Row& cells) = 0;
  virtual void end(QByteArray& /*out*/) {}
};

std::unique_ptr<TableFormat> makeCsvFormat();
std::unique_ptr<TableFormat> makeJsonLinesFormat();
std::unique_ptr<TableFormat> makeHtmlFormat();

// The format named csv, jsonl or html; none for another name.
std::unique_ptr<TableFormat> tableFormatNamed(const QString& name);

}  // namespace quilmo::cli
