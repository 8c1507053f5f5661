// quilmo-cli delete NAME...: what the delete buttons do, without the questions.
#include "cli/Commands.h"
#include "cli/MaintenanceReport.h"
#include "library/DiscMaintenance.h"
#include "platform/SettingsStore.h"

namespace quilmo::cli {

namespace {

class DeleteCommand : public Command {
 public:
  DeleteCommand()
      : Command(QStringLiteral("delete"),
                QStringLiteral("delete discs: their catalogues, their entries in the disc list and their sizes"),
                {{QStringLiteral("NAME...")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override {
    SettingsStore discs(QString::fromLatin1(SettingsStore::kDiscs));
    library::DiscMaintenance maintenance(context.dataPath, discs);
    const library::MaintenanceResult result = maintenance.remove(arguments.positionals);
    if (result.refused) return fail(context, Exit::Failure, result.refusal + QStringLiteral(" Nothing was deleted."));
    return finishMaintenance(context, result);
  }
};

}  // namespace

std::unique_ptr<Command> makeDeleteCommand() { return std::make_unique<DeleteCommand>(); }

}  // namespace quilmo::cli
