#pragma once
// Runs the built quilmo-cli as a user or a script would, inside a TempWorld: the program
// inherits this process's environment, and with it the world's settings store and home folder.
#include <pty.h>
#include <unistd.h>

#include <QProcess>
#include <ostream>

#include "support/TempWorld.h"

namespace quilmo::test {

struct CliRun {  // status -1: crashed or did not finish
  int status;
  QString out, err;
  bool operator==(const CliRun&) const = default;
};
inline void PrintTo(const CliRun& run, std::ostream* os) {
  *os << "status " << run.status << ", out \"" << run.out.toStdString() << "\", err \"" << run.err.toStdString() << '"';
}

struct CliWorld : TempWorld {  // runs on its data and program folders, unless the arguments name others
  CliRun cli(const QStringList& arguments) const {
    QProcess process;
    start(process, arguments);
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
  }
  // With both streams on a pseudo-terminal, as from a terminal window (or standard error
  // into errorFile): what the terminal got.
  QByteArray onTerminal(const QStringList& arguments, const QString& errorFile = {}) const {
    int terminal = -1, screen = -1;
    char name[256];
    if (openpty(&terminal, &screen, name, nullptr, nullptr) != 0) return "no pseudo-terminal";
    QProcess process;
    process.setStandardOutputFile(QString::fromLocal8Bit(name));
    process.setStandardErrorFile(errorFile.isEmpty() ? QString::fromLocal8Bit(name) : errorFile);
    start(process, arguments);
    process.waitForFinished(60000);
    close(screen);
    QByteArray received, buffer(4096, '\0');
    // The read fails (EIO) once everything the program wrote was taken.
    for (ssize_t n; (n = read(terminal, buffer.data(), buffer.size())) > 0;) received.append(buffer.first(n));
    close(terminal);
    return received;
  }
  void start(QProcess& process, const QStringList& arguments) const {
    process.start(QStringLiteral(QUILMO_CLI), QStringList{"--data", dataPath(), "--app", appFolder()} + arguments);
  }
  QByteArray data(const QString& file) const { return readFile(dataPath() + file); }
};

}  // namespace quilmo::test
