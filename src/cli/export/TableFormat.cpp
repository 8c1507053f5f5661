#include "cli/export/TableFormat.h"

namespace quilmo::cli {

std::unique_ptr<TableFormat> tableFormatNamed(const QString& name) {
  if (name == u"csv") return makeCsvFormat();
  if (name == u"jsonl") return makeJsonLinesFormat();
  if (name == u"html") return makeHtmlFormat();
  return nullptr;
}

}  // namespace quilmo::cli
