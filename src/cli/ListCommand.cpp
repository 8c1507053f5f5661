#include "cli/ListCommand.h"

#include "library/DiscListFile.h"

namespace quilmo::cli {

int ListCommand::run(Context& context, const QStringList& arguments) {
  if (!arguments.isEmpty()) return usageError(context, QStringLiteral("list takes no arguments"));
  for (const QString& disc : library::readDiscList(context.dataPath)) context.out << disc << '\n';
  context.out.flush();
  return Exit::Ok;
}

}  // namespace quilmo::cli
