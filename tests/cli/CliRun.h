#pragma once
// Runs the built quilmo-cli as a user or a script would, inside a TempWorld: the program
// inherits the world's settings store and home folder.
#include <pty.h>
#include <unistd.h>

#include <QProcess>
#include <QStringList>

#include "support/TempWorld.h"

namespace quilmo::test {

struct CliRun {
  int status = -1;  // -1: crashed or did not finish
  QString out, err;
};

struct CliWorld : TempWorld {
  // On the world's data and program folders; a later --data or --app in arguments wins.
  CliRun cli(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) const {
    QProcess process;
    process.setProcessEnvironment(environment);
    start(process, arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
  }
  // With both streams on a pseudo-terminal, as from a terminal window: what the terminal got.
  QByteArray onTerminal(const QStringList& arguments) const {
    int terminal = -1, screen = -1;
    char name[256];
    termios raw{};
    cfmakeraw(&raw);  // the line ends arrive as written, without an added CR
    if (openpty(&terminal, &screen, name, &raw, nullptr) != 0) return "no pseudo-terminal";
    QProcess process;
    process.setStandardOutputFile(QString::fromLocal8Bit(name));
    process.setStandardErrorFile(QString::fromLocal8Bit(name));
    start(process, arguments);
    process.waitForFinished(60000);
    close(screen);
    QByteArray received;
    char buffer[4096];
    // The read fails (EIO) once everything the program wrote was taken.
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
    close(terminal);
    return received;
  }
  void start(QProcess& process, const QStringList& arguments) const {
    process.start(QStringLiteral(QUILMO_CLI), QStringList{"--data", dataPath(), "--app", appFolder()} + arguments);
  }
  QByteArray data(const QString& file) const { return readFile(dataPath() + file); }
};

}  // namespace quilmo::test
