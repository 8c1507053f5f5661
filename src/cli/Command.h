#pragma once
// One sub-command of quilmo-cli. Each command lives in a file of its own and works on
// the same engines as the window.
#include <QStringList>
#include <QTextStream>

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
  virtual ~Command() = default;
  virtual QString name() const = 0;
  virtual QString synopsis() const = 0;  // arguments after the name, for the usage line
  virtual QString summary() const = 0;   // one line for --help
  virtual int run(Context& context, const QStringList& arguments) = 0;

 protected:
  // Prints "usage: quilmo-cli ... NAME SYNOPSIS" with the reason, returns Exit::Usage.
  int usageError(Context& context, const QString& reason) const;
  // Prints one plain-words line on standard error and returns the exit status.
  static int fail(Context& context, int status, const QString& message);
};

}  // namespace quilmo::cli
