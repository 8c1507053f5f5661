// quilmo-cli info NAME: everything Quilmo knows of a disc beyond its catalogue.
#include <QDir>

#include "capture/DiscFacts.h"
#include "capture/FactsText.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "cli/VisibleControls.h"
#include "library/DiscNote.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

using Fields = QList<std::pair<QString, QString>>;

class InfoCommand : public Command {
 public:
  InfoCommand()
      : Command(QStringLiteral("info"),
                QStringLiteral("print the facts of disc NAME (its volume, when it was scanned, its totals) and its "
                               "note"),
                {{QStringLiteral("NAME")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override {
    const QString& disc = arguments.positionals.first();
    QString why;
    const QString catalogue = cataloguePathOf(context.dataPath, disc, &why);
    if (catalogue.isEmpty()) return fail(context, Exit::Failure, why);

    Fields fields{{QStringLiteral("Disc"), disc}, {QStringLiteral("Catalogue"), QDir::toNativeSeparators(catalogue)}};
    // The totals and the volume are all it shows: the per-file records stay unread.
    const capture::FactsReading reading = capture::readDiscSummary(catalogue);
    if (reading.state == capture::FactsState::Read)
      for (const capture::FactRow& row : capture::factRows(reading.facts)) fields += {row.caption, row.value};
    else
      fields += {QStringLiteral("Facts"), reading.message};
    fields += {QStringLiteral("Note"), library::readNote(catalogue)};

    const bool visibleControls = standardOutputIsTerminal();
    for (const auto& [name, value] : fields)
      context.out << (name + u':').leftJustified(13) << ' '
                  << (visibleControls ? visibleText(value) : value) << '\n';
    context.out.flush();
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeInfoCommand() { return std::make_unique<InfoCommand>(); }

}  // namespace quilmo::cli
