#include "cli/MaintenanceReport.h"

namespace quilmo::cli {

int reportStepErrors(Context& context, const library::MaintenanceResult& result) {
  if (!result.skipped.isEmpty()) context.err << "quilmo-cli: " << library::skippedMessage(result.skipped) << Qt::endl;
  if (result.errors.isEmpty()) return Exit::Ok;
  QStringList texts;
  for (const library::StepError& error : result.errors)
    texts += QStringLiteral("%1 (error %2)").arg(error.text).arg(error.number);
  context.err << "quilmo-cli: done, but some steps failed: " << texts.join(QStringLiteral("; ")) << Qt::endl;
  return Exit::Failure;
}

}  // namespace quilmo::cli
