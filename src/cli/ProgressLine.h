#pragma once
// The one line on standard error that tells a person at a terminal how far a long command
// has come: the elapsed time first, then the command's own text, cut to the terminal's
// width so that it never wraps, redrawn in place at most ten times a second and erased
// before anything else is printed. A line that is not shown costs a test of one flag.
#include <QString>
#include <QTextStream>
#include <functional>

#include "cli/CommandLine.h"

namespace quilmo::cli {

// --quiet, taken by every command that shows the line.
inline const Option kQuietOption{QStringLiteral("quiet"), {}, QStringLiteral("show no progress line on a terminal")};

class ProgressLine {
 public:
  struct Terminal {
    std::function<qint64()> milliseconds;  // a monotonic clock
    std::function<int()> columns;          // the terminal's width
    std::function<void(const QString&)> write;
  };
  static constexpr qint64 kRedrawMs = 100;

  ProgressLine(Terminal terminal, bool shown);
  // On err, shown when standard error is a terminal and the user did not ask for quiet.
  static ProgressLine onStandardError(QTextStream& err, bool quiet);
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;
  ~ProgressLine() { clear(); }

  bool shown() const { return shown_; }
  // Whether a redraw is wanted now: the first time, then once kRedrawMs have passed.
  bool due() const { return shown_ && (lastDraw_ < 0 || terminal_.milliseconds() - lastDraw_ >= kRedrawMs); }
  void draw(const QString& text);
  // Erases the line, if it is on the screen.
  void clear();

 private:
  Terminal terminal_;
  const bool shown_;
  const qint64 start_;
  qint64 lastDraw_ = -1;
  bool onScreen_ = false;
};

}  // namespace quilmo::cli
