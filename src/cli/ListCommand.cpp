#include "cli/ListCommand.h"

#include "capture/DiscListFile.h"

namespace quilmo::cli {

int ListCommand::run(Context& context, const QStringList& arguments) {
  if (!arguments.isEmpty()) return usageError(context, QStringLiteral("list takes no arguments"));
  for (const QString& disc : DiscListFile::names(context.dataPath)) context.out << disc << '\n';
  context.out.flush();
  return Exit::Ok;
}

}  // namespace quilmo::cli
