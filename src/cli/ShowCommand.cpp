// quilmo-cli show [--long] NAME: the lines of a disc's catalogue, with --long each file's
// size and modification time in front.
#include <QDir>
#include <QFile>
#include <algorithm>
#include <optional>

#include "capture/DiscFacts.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "capture/FactsText.h"
#include "cli/VisibleControls.h"
#include "platform/NumberFormat.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

// The size and time columns of --long; lines past the facts (the totals line) get blanks.
class FactColumns {
 public:
  explicit FactColumns(std::vector<capture::FileFact> files) : files_(std::move(files)) {
    for (const capture::FileFact& file : files_) sizeWidth_ = std::max(sizeWidth_, sizeOf(file).size());
  }
  QString of(qint64 line) const {
    if (line >= qint64(files_.size())) return QString(sizeWidth_ + kTimeWidth + 4, u' ');
    const capture::FileFact& file = files_[std::size_t(line)];
    const QString time = file.size < 0 ? QStringLiteral("-") : capture::fileTime(file.modified).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return QStringLiteral("%1  %2  ").arg(sizeOf(file), sizeWidth_).arg(time, -kTimeWidth);
  }

 private:
  static QString sizeOf(const capture::FileFact& file) {
    return file.size < 0 ? QStringLiteral("-") : grouped(double(file.size));
  }
  static constexpr int kTimeWidth = 19;  // "2024-05-01 12:34:56"
  std::vector<capture::FileFact> files_;
  qsizetype sizeWidth_ = 1;
};

class ShowCommand : public Command {
 public:
  ShowCommand()
      : Command(QStringLiteral("show"), QStringLiteral("print the catalogue of disc NAME, one line per file"),
                {{QStringLiteral("NAME")},
                 {{QStringLiteral("long"), {},
                   QStringLiteral("put each file's size in bytes and local modification time in front")}}}) {}

  int run(Context& context, const Arguments& arguments) override;
};

int ShowCommand::run(Context& context, const Arguments& arguments) {
  QString why;
  QFile catalogue(cataloguePathOf(context.dataPath, arguments.positionals.first(), &why));
  if (!why.isEmpty()) return fail(context, Exit::Failure, why);
  if (!catalogue.open(QIODevice::ReadOnly))
    return fail(context, Exit::Failure,
                QStringLiteral("The catalogue %1 cannot be read (%2).")
                    .arg(QDir::toNativeSeparators(catalogue.fileName()), catalogue.errorString()));
  std::optional<FactColumns> columns;
  if (arguments.isSet(QStringLiteral("long"))) {
    capture::FactsReading reading = capture::readDiscFacts(catalogue.fileName());
    if (reading.state == capture::FactsState::Read)
      columns.emplace(std::move(reading.facts.lines));
    else
      warn(context, reading.message + QStringLiteral(" The catalogue follows without sizes and times."));
  }
  const bool visibleControls = standardOutputIsTerminal();
  for (qint64 number = 0; !catalogue.atEnd(); ++number) {
    QByteArray line = catalogue.readLine();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    if (columns) context.out << columns->of(number);
    context.out << QString::fromUtf8(visibleControls ? withVisibleControls(line) : line) << '\n';
  }
  context.out.flush();
  return Exit::Ok;
}

}  // namespace

std::unique_ptr<Command> makeShowCommand() { return std::make_unique<ShowCommand>(); }

}  // namespace quilmo::cli
