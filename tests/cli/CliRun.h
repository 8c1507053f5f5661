#pragma once
// Runs the built quilmo-cli as a user or a script would. Run it inside a TempWorld: the
// program inherits the world's settings store and home folder.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quilmo::test {

struct CliRun {
  int status = -1;  // -1: crashed or did not finish
  QString out, err;
};

inline CliRun runCli(const QStringList& arguments,
                     const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(QUILMO_CLI), arguments);
  CliRun run;
  if (!process.waitForFinished(60000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace quilmo::test
