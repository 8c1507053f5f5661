// quilmo-cli show NAME: the lines of a disc's catalogue.
#include <QDir>
#include <QFile>

#include "cli/Commands.h"
#include "cli/VisibleControls.h"
#include "platform/DataFolder.h"
#include "platform/NameRules.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

class ShowCommand : public Command {
 public:
  ShowCommand()
      : Command(QStringLiteral("show"), QStringLiteral("print the catalogue of disc NAME, one line per file"),
                {{QStringLiteral("NAME")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override;
};

int ShowCommand::run(Context& context, const Arguments& arguments) {
  const QString& disc = arguments.positionals.first();
  if (const QString why = whyNameIsRefused(disc); !why.isEmpty()) return fail(context, Exit::Failure, why);

  QFile catalogue(resolveInFolder(context.dataPath, disc + QStringLiteral(".rtf")));
  if (!catalogue.exists())
    return fail(context, Exit::Failure,
                QStringLiteral("Disc %1 has no catalogue in %2.").arg(disc, QDir::toNativeSeparators(context.dataPath)));
  if (!catalogue.open(QIODevice::ReadOnly))
    return fail(context, Exit::Failure,
                QStringLiteral("The catalogue %1 cannot be read (%2).")
                    .arg(QDir::toNativeSeparators(catalogue.fileName()), catalogue.errorString()));
  const bool visibleControls = standardOutputIsTerminal();
  while (!catalogue.atEnd()) {
    QByteArray line = catalogue.readLine();
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
