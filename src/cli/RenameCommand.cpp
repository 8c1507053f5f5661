// quilmo-cli rename OLD NEW: what the rename button does, without the questions.
#include "cli/Commands.h"
#include "cli/MaintenanceReport.h"
#include "library/DiscMaintenance.h"
#include "platform/SettingsStore.h"

namespace quilmo::cli {

namespace {

class RenameCommand : public Command {
 public:
  RenameCommand()
      : Command(QStringLiteral("rename"),
                QStringLiteral("rename disc OLD to NEW: its catalogue, its place in the disc list and its size"),
                {{QStringLiteral("OLD"), QStringLiteral("NEW")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override {
    const QString& from = arguments.positionals[0];
    const QString& to = arguments.positionals[1];
    if (to.isEmpty()) return usageError(context, QStringLiteral("the new name is empty"));

    SettingsStore discs(QString::fromLatin1(SettingsStore::kDiscs));
    library::DiscMaintenance maintenance(context.dataPath, discs);
    const library::MaintenanceResult result = maintenance.rename(from, to);
    if (result.refused && result.refusal.isEmpty())
      return fail(context, Exit::Failure, QStringLiteral("%1 and %2 are the same name; nothing to do.").arg(from, to));
    if (result.refused) return fail(context, Exit::Failure, result.refusal);
    return finishMaintenance(context, result);
  }
};

}  // namespace

std::unique_ptr<Command> makeRenameCommand() { return std::make_unique<RenameCommand>(); }

}  // namespace quilmo::cli
