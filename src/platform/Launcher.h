#pragma once
// Starts programs with an argument vector, never through a shell, without waiting.
#include <QStringList>

namespace quilmo {

struct LaunchResult {
  bool started = false;
  QString error;  // why it did not start
};

LaunchResult startDetached(const QString& program, const QStringList& arguments,
                           const QString& workingFolder = {});

// The command line as the user would type it: the program, then each argument, those
// holding a blank in double quotes. For display and the record file only; never run.
QString commandLineText(const QString& program, const QStringList& arguments);

}  // namespace quilmo
