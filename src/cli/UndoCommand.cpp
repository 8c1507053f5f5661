// quilmo-cli undo: what the "Undo List" button does, without the question.
#include "cli/Commands.h"
#include "cli/MaintenanceReport.h"
#include "library/DiscMaintenance.h"
#include "platform/SettingsStore.h"

namespace quilmo::cli {

namespace {

class UndoCommand : public Command {
 public:
  UndoCommand()
      : Command(QStringLiteral("undo"),
                QStringLiteral("undo the last rename or delete: the disc list, the catalogues and their sizes"), {}) {}

  int run(Context& context, const Arguments&) override {
    SettingsStore discs(QString::fromLatin1(SettingsStore::kDiscs));
    library::DiscMaintenance maintenance(context.dataPath, discs);
    const library::MaintenanceResult result = maintenance.undoListChange();
    if (result.refused) return fail(context, Exit::Failure, result.refusal);
    return finishMaintenance(context, result);
  }
};

}  // namespace

std::unique_ptr<Command> makeUndoCommand() { return std::make_unique<UndoCommand>(); }

}  // namespace quilmo::cli
