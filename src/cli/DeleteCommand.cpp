// quilmo-cli delete NAME...: what the delete buttons do, without the questions.
#include "cli/Command.h"
#include "cli/MaintenanceReport.h"
#include "library/DiscMaintenance.h"
#include "platform/SettingsStore.h"

namespace quilmo::cli {

namespace {

class DeleteCommand : public Command {
 public:
  QString name() const override { return QStringLiteral("delete"); }
  QString synopsis() const override { return QStringLiteral("NAME..."); }
  QString summary() const override {
    return QStringLiteral("delete discs: their catalogues, their entries in the disc list and their sizes");
  }

  int run(Context& context, const QStringList& arguments) override {
    if (arguments.isEmpty()) return usageError(context, QStringLiteral("delete needs at least one disc name"));
    SettingsStore discs(QString::fromLatin1(SettingsStore::kDiscs));
    library::DiscMaintenance maintenance(context.dataPath, discs);
    const library::MaintenanceResult result = maintenance.remove(arguments);
    if (result.refused) return fail(context, Exit::Failure, result.refusal + QStringLiteral(" Nothing was deleted."));
    return reportStepErrors(context, result);
  }
};

}  // namespace

std::unique_ptr<Command> makeDeleteCommand() { return std::make_unique<DeleteCommand>(); }

}  // namespace quilmo::cli
