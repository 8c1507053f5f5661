#include "cli/Command.h"

namespace quilmo::cli {

int Command::usageError(Context& context, const QString& reason) const {
  context.err << "quilmo-cli: " << reason << Qt::endl
              << "usage: quilmo-cli [--data DIR] [--app DIR] [--drive L=PATH]... " << name() << ' ' << synopsis()
              << Qt::endl;
  return Exit::Usage;
}

int Command::fail(Context& context, int status, const QString& message) {
  context.err << "quilmo-cli: " << message << Qt::endl;
  return status;
}

}  // namespace quilmo::cli
