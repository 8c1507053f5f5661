#include "cli/MaintenanceReport.h"

#include "cli/IndexUpkeep.h"

namespace quilmo::cli {

int finishMaintenance(Context& context, const library::MaintenanceResult& result) {
  if (!result.skipped.isEmpty()) context.err << "quilmo-cli: " << library::skippedMessage(result.skipped) << Qt::endl;
  if (!result.errors.isEmpty()) {
    QStringList texts;
    for (const library::StepError& error : result.errors)
      texts += QStringLiteral("%1 (error %2)").arg(error.text).arg(error.number);
    context.err << "quilmo-cli: done, but some steps failed: " << texts.join(QStringLiteral("; ")) << Qt::endl;
  }
  keepIndexCurrent(context);
  return result.errors.isEmpty() ? Exit::Ok : Exit::Failure;
}

}  // namespace quilmo::cli
