#include "cli/Command.h"

namespace quilmo::cli {

QString Command::synopsis() const {
  const QString rest = synopsisOf(syntax_);
  return rest.isEmpty() ? name_ : name_ + u' ' + rest;
}

void Command::printHelp(QTextStream& out) const {
  out << usageLine(synopsis()) << "\n\n" << summary_ << "\n\nOptions:\n";
  printOptions(out, syntax_);
  out.flush();
}

int Command::usageError(Context& context, const QString& reason) const {
  return cli::usageError(context.err, reason, synopsis());
}

int Command::fail(Context& context, int status, const QString& message) {
  warn(context, message);
  return status;
}

void Command::warn(Context& context, const QString& message) { context.err << "quilmo-cli: " << message << Qt::endl; }

}  // namespace quilmo::cli
