#include "platform/Launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace quilmo {

LaunchResult startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (!workingFolder.isEmpty()) process.setWorkingDirectory(workingFolder);
  qint64 pid = 0;
  if (process.startDetached(&pid)) return {true, {}};
  const bool missing = program.contains(u'/') ? !QFileInfo::exists(program) : false;
  return {false, missing ? QStringLiteral("The program %1 does not exist.").arg(program)
                         : QStringLiteral("The program %1 could not be started: %2").arg(program, process.errorString())};
}

QString commandLineText(const QString& program, const QStringList& arguments) {
  QString line = program;
  for (const QString& arg : arguments)
    line += u' ' + (arg.contains(u' ') && !arg.startsWith(u'"') ? u'"' + arg + u'"' : arg);
  return line;
}

}  // namespace quilmo
