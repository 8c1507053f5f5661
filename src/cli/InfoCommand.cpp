// quilmo-cli info NAME: everything Quilmo knows of a disc beyond its catalogue.
#include <QDir>

#include "capture/DiscFacts.h"
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "cli/FactsText.h"
#include "cli/VisibleControls.h"
#include "library/DiscNote.h"
#include "platform/NumberFormat.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

using Fields = QList<std::pair<QString, QString>>;

Fields factFields(const capture::DiscFacts& facts) {
  const capture::VolumeFacts& volume = facts.volume;
  return {{QStringLiteral("Label"), volume.label},
          {QStringLiteral("Identity"), capture::identityText(volume)},
          {QStringLiteral("File system"), volume.fileSystem},
          {QStringLiteral("Capacity"), bytesText(volume.capacity)},
          {QStringLiteral("Free"), bytesText(volume.free)},
          {QStringLiteral("Root"), volume.mountPoint ? QStringLiteral("a mount point")
                                                     : QStringLiteral("a plain folder mapped as a drive")},
          {QStringLiteral("Scanned"), localTimeText(volume.scanned)},
          {QStringLiteral("Files"), grouped(double(facts.files))},
          {QStringLiteral("Folders"), grouped(double(facts.folders))},
          {QStringLiteral("Total size"), bytesText(facts.bytes)}};
}

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
    const capture::FactsReading reading = capture::readDiscFacts(catalogue);
    if (reading.state == capture::FactsState::Read)
      fields += factFields(reading.facts);
    else
      fields += {QStringLiteral("Facts"), reading.message};
    fields += {QStringLiteral("Note"), library::readNote(catalogue)};

    const bool visibleControls = standardOutputIsTerminal();
    for (const auto& [name, value] : fields)
      context.out << (name + u':').leftJustified(12) << ' '
                  << (visibleControls ? visibleText(value) : value) << '\n';
    context.out.flush();
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeInfoCommand() { return std::make_unique<InfoCommand>(); }

}  // namespace quilmo::cli
