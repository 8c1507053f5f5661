#include "cli/ShowCommand.h"

#include <QDir>
#include <QFile>

#include "cli/VisibleControls.h"
#include "platform/DataFolder.h"
#include "platform/NameRules.h"
#include "platform/Terminal.h"

namespace quilmo::cli {

int ShowCommand::run(Context& context, const QStringList& arguments) {
  if (arguments.size() != 1) return usageError(context, QStringLiteral("give one disc name"));
  const QString& disc = arguments.first();
  if (const QString why = whyNameIsRefused(disc); !why.isEmpty()) return fail(context, Exit::Failure, why);

  QFile catalogue(resolveInFolder(context.dataPath, disc + QStringLiteral(".rtf")));
  if (!catalogue.exists())
    return fail(context, Exit::Failure,
                QStringLiteral("Disc %1 has no catalogue in %2.").arg(disc, QDir::toNativeSeparators(context.dataPath)));
  if (!catalogue.open(QIODevice::ReadOnly))
    return fail(context, Exit::Failure,
                QStringLiteral("The catalogue %1 cannot be read (%2).")
                    .arg(QDir::toNativeSeparators(catalogue.fileName()), catalogue.errorString()));
  const bool visibleControls = standardOutputIsTerminal();
  while (!catalogue.atEnd()) {
    QByteArray line = catalogue.readLine();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    context.out << QString::fromUtf8(visibleControls ? withVisibleControls(line) : line) << '\n';
  }
  context.out.flush();
  return Exit::Ok;
}

}  // namespace quilmo::cli
