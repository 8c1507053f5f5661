#pragma once
// One sub-command of quilmo-cli. Each command lives in a file of its own, declares what it
// takes, and works on the same engines as the window.
#include "cli/CommandLine.h"

namespace quilmo {
class DriveMap;
}

namespace quilmo::cli {

enum Exit : int { Ok = 0, Failure = 1, Usage = 2, NoDisc = 3 };

// What the global options settled, shared by every command.
struct Context {
  QString dataPath;   // --data, ends with the native separator
  QString appFolder;  // --app, ends with the native separator
  DriveMap& drives;   // with the --drive overrides of this run
  QTextStream& out;
  QTextStream& err;
};

class Command {
 public:
  Command(QString name, QString summary, Syntax syntax)
      : name_(std::move(name)), summary_(std::move(summary)), syntax_(std::move(syntax)) {}
  virtual ~Command() = default;

  const QString& name() const { return name_; }
  const QString& summary() const { return summary_; }  // one line for the help
  QString synopsis() const;                            // the name and what it takes
  Arguments parse(const QStringList& arguments) const { return parseArguments(arguments, syntax_); }
  void printHelp(QTextStream& out) const;
  // Prints "usage: quilmo-cli ... SYNOPSIS" with the reason, returns Exit::Usage.
  int usageError(Context& context, const QString& reason) const;

  // Runs on arguments that parse() found to fit.
  virtual int run(Context& context, const Arguments& arguments) = 0;

 protected:
  // Prints one plain-words line on standard error and returns the exit status.
  static int fail(Context& context, int status, const QString& message);
  // Prints one plain-words line on standard error; the command goes on.
  static void warn(Context& context, const QString& message);

 private:
  QString name_, summary_;
  Syntax syntax_;
};

}  // namespace quilmo::cli
