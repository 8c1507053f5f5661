// quilmo-cli export [--format F] [--output FILE] (NAME | --last-report): a disc's files or
// the last report's hit lines as a table, to standard output or to a file.
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "capture/DiscFacts.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "cli/export/ExportRows.h"
#include "platform/ReplacingFile.h"
#include "search/reports/Reports.h"

namespace quilmo::cli {

namespace {

constexpr qsizetype kBlock = 1 << 16;  // written at once

// What is exported: its title, columns, and the rows it hands to a sink (false, with the
// reason, when they cannot be read).
struct ExportSource {
  QString title;
  QList<Column> columns;
  std::function<bool(const RowSink&, QString* error)> rows;
};

// Standard output, or a file that takes its target's place only once it is complete.
class ExportOutput {
 public:
  explicit ExportOutput(const QString& file)
      : file_(file.isEmpty() ? nullptr : std::make_unique<ReplacingFile>(QFileInfo(file).absoluteFilePath())) {}

  bool open() { return !file_ || file_->open(); }
  // Writes and empties bytes.
  void write(QByteArray& bytes) {
    if (file_)
      file_->write(bytes);
    else
      std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    bytes.resize(0);  // keeps the buffer
  }
  bool commit() {
    std::fflush(stdout);
    return !file_ || file_->commit();
  }
  QString errorText() const {
    return QStringLiteral("%1 cannot be written: %2")
        .arg(QDir::toNativeSeparators(file_->target()), file_->errorString());
  }

 private:
  std::unique_ptr<ReplacingFile> file_;
};

class ExportCommand : public Command {
 public:
  ExportCommand()
      : Command(QStringLiteral("export"),
                QStringLiteral("write the files of disc NAME, or the hit lines of the last report, as a table with "
                               "each file's size and modification time"),
                {{QStringLiteral("[NAME]")},
                 {{QStringLiteral("format"), QStringLiteral("FORMAT"),
                   QStringLiteral("csv (RFC 4180, the default), jsonl (JSON Lines) or html (a page with the table)")},
                  {QStringLiteral("output"), QStringLiteral("FILE"),
                   QStringLiteral("write FILE, replaced whole once complete, instead of standard output")},
                  {QStringLiteral("last-report"), {},
                   QStringLiteral("export the last report (the hits of the last search) instead of a disc")}}}) {}

  int run(Context& context, const Arguments& arguments) override;

 private:
  // What the arguments name; none after a message.
  static std::optional<ExportSource> sourceOf(Context& context, const Arguments& arguments);
};

std::optional<ExportSource> ExportCommand::sourceOf(Context& context, const Arguments& arguments) {
  if (arguments.isSet(QStringLiteral("last-report"))) {
    const QString report = search::quickReportPath(context.appFolder);
    if (!QFileInfo::exists(report)) {
      fail(context, Exit::Failure,
           QStringLiteral("There is no last report in %1; a search makes one.")
               .arg(QDir::toNativeSeparators(context.appFolder)));
      return std::nullopt;
    }
    const Warning warning = [&context](const QString& why) { warn(context, why); };
    return ExportSource{QStringLiteral("Quilmo: the last report"), reportColumns(),
                        [&context, report, warning](const RowSink& sink, QString* error) {
                          return reportRows(context.dataPath, report, sink, warning, error);
                        }};
  }
  const QString& disc = arguments.positionals.first();
  QString why;
  const QString catalogue = cataloguePathOf(context.dataPath, disc, &why);
  if (catalogue.isEmpty()) {
    fail(context, Exit::Failure, why);
    return std::nullopt;
  }
  capture::FactsReading reading = capture::readDiscFacts(catalogue);
  if (reading.state != capture::FactsState::Read)
    warn(context, reading.message + QStringLiteral(" Its files go without sizes and times."));
  return ExportSource{QStringLiteral("Quilmo: disc %1").arg(disc), discColumns(),
                      [catalogue, files = std::move(reading.facts.lines)](const RowSink& sink, QString* error) {
                        return discRows(catalogue, files, sink, error);
                      }};
}

int ExportCommand::run(Context& context, const Arguments& arguments) {
  const QString formatName =
      arguments.isSet(QStringLiteral("format")) ? arguments.value(QStringLiteral("format")) : QStringLiteral("csv");
  const std::unique_ptr<TableFormat> format = tableFormatNamed(formatName);
  if (!format) return usageError(context, QStringLiteral("--format takes csv, jsonl or html, not %1").arg(formatName));
  if (arguments.isSet(QStringLiteral("last-report")) == !arguments.positionals.isEmpty())
    return usageError(context, QStringLiteral("name one disc, or give --last-report"));
  if (arguments.isSet(QStringLiteral("output")) && arguments.value(QStringLiteral("output")).isEmpty())
    return usageError(context, QStringLiteral("--output needs a file name"));
  const auto source = sourceOf(context, arguments);
  if (!source) return Exit::Failure;

  ExportOutput output(arguments.value(QStringLiteral("output")));
  if (!output.open()) return fail(context, Exit::Failure, output.errorText());
  QByteArray buffer;
  format->begin(buffer, source->title, source->columns);
  QString error;
  const bool read = source->rows([&](const Row& row) {
    format->row(buffer, row);
    if (buffer.size() >= kBlock) output.write(buffer);
  }, &error);
  if (!read) return fail(context, Exit::Failure, error);  // a file begun is thrown away
  format->end(buffer);
  output.write(buffer);
  if (!output.commit()) return fail(context, Exit::Failure, output.errorText());
  return Exit::Ok;
}

}  // namespace

std::unique_ptr<Command> makeExportCommand() { return std::make_unique<ExportCommand>(); }

}  // namespace quilmo::cli
