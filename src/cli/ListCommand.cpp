// quilmo-cli list [--long]: the disc list, one name per line, as the disc-list file holds
// it; with --long, a table of what each disc's facts say.
#include <algorithm>
#include <array>

#include "capture/DiscFacts.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "capture/FactsText.h"
#include "cli/VisibleControls.h"
#include "library/DiscListFile.h"
#include "platform/NumberFormat.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

enum Column { Name, Files, Size, Free, Label, Scanned, ColumnCount };
using Row = std::array<QString, ColumnCount>;

// A disc's row; dashes where it has no facts, which are read only for a disc with a catalogue.
Row rowOf(Context& context, const QString& disc, QString* whyIgnored) {
  QString why;
  const QString catalogue = cataloguePathOf(context.dataPath, disc, &why);
  const capture::FactsReading reading = catalogue.isEmpty() ? capture::FactsReading() : capture::readDiscFacts(catalogue);
  if (reading.state != capture::FactsState::Read) {
    if (reading.state != capture::FactsState::Missing) *whyIgnored = reading.message;
    return {disc, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
  }
  const capture::DiscFacts& facts = reading.facts;
  return {disc, grouped(double(facts.files)), capture::shortSizeText(facts.bytes),
          capture::shortSizeText(facts.volume.free), facts.volume.label, capture::timeText(facts.volume.scanned)};
}

// Columns as wide as their widest text, two blanks apart; counts and sizes to the right.
void printTable(QTextStream& out, const std::vector<Row>& rows) {
  std::array<qsizetype, ColumnCount> widths{};
  for (const Row& row : rows)
    for (int c = 0; c < ColumnCount; ++c) widths[c] = std::max(widths[c], row[c].size());
  for (const Row& row : rows) {
    QString line;
    for (int c = 0; c < ColumnCount; ++c) {
      const bool right = c == Files || c == Size || c == Free;
      line += right ? row[c].rightJustified(widths[c]) : c == Scanned ? row[c] : row[c].leftJustified(widths[c]);
      if (c != Scanned) line += QStringLiteral("  ");
    }
    out << line << '\n';
  }
}

class ListCommand : public Command {
 public:
  ListCommand()
      : Command(QStringLiteral("list"), QStringLiteral("print the disc list, one name per line"),
                {{},
                 {{QStringLiteral("long"), {},
                   QStringLiteral("a table: name, files, their total size, free space and label at the scan, "
                                  "scan time")}}}) {}

  int run(Context& context, const Arguments& arguments) override {
    const QStringList discs = library::readDiscList(context.dataPath);
    if (!arguments.isSet(QStringLiteral("long"))) {
      for (const QString& disc : discs) context.out << disc << '\n';
      context.out.flush();
      return Exit::Ok;
    }
    std::vector<Row> rows{{QStringLiteral("NAME"), QStringLiteral("FILES"), QStringLiteral("SIZE"),
                           QStringLiteral("FREE"), QStringLiteral("LABEL"), QStringLiteral("SCANNED")}};
    const bool visibleControls = standardOutputIsTerminal();
    for (const QString& disc : discs) {
      QString whyIgnored;
      rows.push_back(rowOf(context, disc, &whyIgnored));
      if (!whyIgnored.isEmpty()) warn(context, whyIgnored);
      if (visibleControls)
        for (QString& text : rows.back()) text = visibleText(text);
    }
    printTable(context.out, rows);
    context.out.flush();
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeListCommand() { return std::make_unique<ListCommand>(); }

}  // namespace quilmo::cli
