#include "cli/ProgressLine.h"

#include <QElapsedTimer>

#include "platform/Terminal.h"

namespace quilmo::cli {

namespace {

// "0:07", "12:30": minutes and seconds.
QString elapsedText(qint64 milliseconds) {
  const qint64 seconds = milliseconds / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

}  // namespace

ProgressLine::ProgressLine(Terminal terminal, bool shown)
    : terminal_(std::move(terminal)), shown_(shown), start_(shown ? terminal_.milliseconds() : 0) {}

ProgressLine ProgressLine::onStandardError(QTextStream& err, bool quiet) {
  QElapsedTimer clock;
  clock.start();
  const auto columns = [] {
    const int reported = standardErrorColumns();
    const int fromEnvironment = qEnvironmentVariableIntValue("COLUMNS");
    return reported > 0 ? reported : fromEnvironment > 0 ? fromEnvironment : 80;
  };
  return ProgressLine({[clock] { return clock.elapsed(); }, columns, [&err](const QString& text) { err << text << Qt::flush; }},
                      !quiet && standardErrorIsTerminal());
}

void ProgressLine::draw(const QString& text) {
  if (!shown_) return;
  lastDraw_ = terminal_.milliseconds();
  // One column is left free: a character in the last one makes some terminals wrap.
  QString line = (elapsedText(lastDraw_ - start_) + QStringLiteral("  ") + text).left(terminal_.columns() - 1);
  if (!line.isEmpty() && line.back().isHighSurrogate()) line.chop(1);
  terminal_.write(u'\r' + line + QStringLiteral("\033[K"));
  onScreen_ = true;
}

void ProgressLine::clear() {
  if (!onScreen_) return;
  terminal_.write(QStringLiteral("\r\033[K"));
  onScreen_ = false;
}

}  // namespace quilmo::cli
