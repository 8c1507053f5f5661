#pragma once
// Runs the built quilmo-cli as a user or a script would. Run it inside a TempWorld: the
// program inherits the world's settings store and home folder.
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <vector>

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

// Runs it with its standard streams on a pseudo-terminal, as from a terminal window, and
// returns the bytes the terminal received from both streams.
inline QByteArray runCliOnTerminal(const QStringList& arguments) {
  std::vector<QByteArray> words{QByteArray(QUILMO_CLI)};
  for (const QString& argument : arguments) words.push_back(QFile::encodeName(argument));
  std::vector<char*> argv;
  for (QByteArray& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  termios raw{};
  cfmakeraw(&raw);  // the line ends arrive as written, without an added CR
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, &raw, nullptr);
  if (child < 0) return {};
  if (child == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  QByteArray received;
  char buffer[4096];
  // The read fails (EIO) once the program has ended and all it wrote was taken.
  for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
  close(terminal);
  waitpid(child, nullptr, 0);
  return received;
}

}  // namespace quilmo::test
