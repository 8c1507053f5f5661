#include "cli/export/ExportRows.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include "cli/DiscCatalogue.h"
#include "capture/FactsText.h"
#include "platform/FieldReader.h"

namespace quilmo::cli {

namespace {

// The lines of a file as text, line ends dropped, with their numbers from 0; false when
// it cannot be opened.
bool forEachLine(const QString& path, const std::function<bool(qint64, const QString&)>& take, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("%1 cannot be read (%2).").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  for (qint64 number = 0; !file.atEnd(); ++number) {
    QByteArray line = file.readLine();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    if (!take(number, QString::fromUtf8(line))) break;
  }
  return true;
}

// The folder and name cells of a catalogue line "E:\DOCS\","a.txt"; none for another line.
std::optional<Row> fileCells(const QString& line) {
  if (!line.startsWith(u'"')) return std::nullopt;
  const QStringList fields = readFields(line);
  if (fields.size() != 2) return std::nullopt;
  return Row{fields[0], fields[1]};
}

Row factCells(const std::vector<capture::FileFact>& files, qint64 line) {
  if (line < 0 || line >= qint64(files.size()) || files[std::size_t(line)].size < 0) return {std::nullopt, std::nullopt};
  const capture::FileFact& file = files[std::size_t(line)];
  return {QString::number(file.size), capture::fileTime(file.modified).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"))};
}

struct ReportLine {
  QString disc, line;
};

// "*" + disc + "* " + catalogue line; a line of another form has no disc.
ReportLine splitReportLine(const QString& text) {
  const qsizetype end = text.startsWith(u'*') ? text.indexOf(QStringLiteral("* "), 1) : -1;
  if (end < 0) return {QString(), text};
  return {text.mid(1, end - 1), text.mid(end + 2)};
}

// The usable facts of disc, or none after a warning.
std::vector<capture::FileFact> factsOf(const QString& dataPath, const QString& disc, QString* catalogue,
                                        const Warning& warn) {
  if (disc.isEmpty()) return {};
  QString why;
  *catalogue = cataloguePathOf(dataPath, disc, &why);
  capture::FactsReading reading = catalogue->isEmpty() ? capture::FactsReading{} : capture::readDiscFacts(*catalogue);
  if (reading.state == capture::FactsState::Read) return std::move(reading.facts.lines);
  warn((why.isEmpty() ? reading.message : why) + QStringLiteral(" Its lines go without sizes and times."));
  return {};
}

// The rows of consecutive report lines of one disc. Each line is found in the disc's
// catalogue for its facts; a line that is there twice gets none, as it could be either file.
void groupRows(const QString& dataPath, const QString& disc, const QStringList& lines, const RowSink& sink,
               const Warning& warn) {
  QString catalogue;
  const std::vector<capture::FileFact> files = factsOf(dataPath, disc, &catalogue, warn);
  constexpr qint64 kNotFound = -1, kTwice = -2;
  QHash<QString, qint64> numbers;
  for (const QString& line : lines) numbers.insert(line, kNotFound);
  if (!files.empty()) {
    QString error;  // a catalogue that cannot be read now leaves the cells empty
    forEachLine(catalogue, [&](qint64 number, const QString& line) {
      if (const auto found = numbers.find(line); found != numbers.end()) *found = *found == kNotFound ? number : kTwice;
      return number + 1 < qint64(files.size());
    }, &error);
  }
  for (const QString& line : lines) {
    Row row{disc};
    row += fileCells(line).value_or(Row{QString(), line});
    row += factCells(files, numbers.value(line));
    sink(row);
  }
}

}  // namespace

QList<Column> discColumns() {
  return {{QStringLiteral("folder")}, {QStringLiteral("name")}, {QStringLiteral("size"), true}, {QStringLiteral("modified")}};
}

QList<Column> reportColumns() { return QList<Column>{{QStringLiteral("disc")}} + discColumns(); }

bool discRows(const QString& cataloguePath, const std::vector<capture::FileFact>& files, const RowSink& sink,
              QString* error) {
  return forEachLine(cataloguePath, [&](qint64 number, const QString& line) {
    if (const std::optional<Row> cells = fileCells(line)) sink(*cells + factCells(files, number));
    return true;
  }, error);
}

bool reportRows(const QString& dataPath, const QString& reportPath, const RowSink& sink, const Warning& warn,
                QString* error) {
  QString disc;
  QSet<QString> warned;  // a disc that comes back in another group is told of once
  const Warning once = [&](const QString& why) {
    if (!warned.contains(disc)) warn(why);
    warned.insert(disc);
  };
  QStringList group;
  const bool read = forEachLine(reportPath, [&](qint64, const QString& text) {
    const ReportLine line = splitReportLine(text);
    if (line.disc != disc && !group.isEmpty()) groupRows(dataPath, disc, std::exchange(group, {}), sink, once);
    disc = line.disc;
    group += line.line;
    return true;
  }, error);
  if (read && !group.isEmpty()) groupRows(dataPath, disc, group, sink, once);
  return read;
}

}  // namespace quilmo::cli
