// quilmo-cli show [--long] NAME: the lines of a disc's catalogue, with --long each file's
// size and modification time in front.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTimeZone>

#include "capture/DiscFacts.h"
#include "capture/FactColumns.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "cli/VisibleControls.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

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
  // With --long, the catalogue as lornex shows it, sizes and times before each file line.
  QBuffer withColumns;
  QIODevice* source = &catalogue;
  if (arguments.isSet(QStringLiteral("long"))) {
    const capture::FactsReading reading = capture::readDiscFacts(catalogue.fileName());
    if (reading.state == capture::FactsState::Read) {
      withColumns.setData(capture::withFactColumns(catalogue.readAll(), reading.facts.lines, QTimeZone::systemTimeZone()));
      withColumns.open(QIODevice::ReadOnly);
      source = &withColumns;
    } else {
      warn(context, reading.message + QStringLiteral(" The catalogue follows without sizes and times."));
    }
  }
  const bool visibleControls = standardOutputIsTerminal();
  while (!source->atEnd()) {
    QByteArray line = source->readLine();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    context.out << QString::fromUtf8(visibleControls ? withVisibleControls(line) : line) << '\n';
  }
  context.out.flush();
  return Exit::Ok;
}

}  // namespace

std::unique_ptr<Command> makeShowCommand() { return std::make_unique<ShowCommand>(); }

}  // namespace quilmo::cli
