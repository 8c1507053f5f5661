#include "widgets/TextMotion.h"

#include <algorithm>

namespace quilmo {

namespace {

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

}  // namespace

qint64 movedPosition(const LineIndex& text, qint64 position, Motion motion, qint64 pageRows) {
  const qint64 row = text.lineOfPosition(position);
  const qint64 column = position - text.lineStart(row);
  const auto sameColumnIn = [&](qint64 target) {
    target = std::clamp<qint64>(target, 0, text.rowCount() - 1);
    return text.lineStart(target) + std::min(column, text.lineLength(target));
  };
  qint64 to = position;
  switch (motion) {
    case Motion::CharLeft: to = position - 1; break;
    case Motion::CharRight: to = position + 1; break;
    case Motion::LineUp: to = sameColumnIn(row - 1); break;
    case Motion::LineDown: to = sameColumnIn(row + 1); break;
    case Motion::PageUp: to = sameColumnIn(row - pageRows); break;
    case Motion::PageDown: to = sameColumnIn(row + pageRows); break;
    case Motion::LineStart: to = text.lineStart(row); break;
    case Motion::LineEnd: to = text.lineStart(row) + text.lineLength(row); break;
    case Motion::Top: to = 0; break;
    case Motion::Bottom: to = text.length(); break;
  }
  return std::clamp<qint64>(to, 0, text.length());
}

TextSpan wordAt(const LineIndex& text, qint64 position) {
  const qint64 row = text.lineOfPosition(position);
  const QString line = text.lineText(row);
  qint64 column = std::clamp<qint64>(position - text.lineStart(row), 0, line.size());
  const auto wordAtColumn = [&](qint64 c) { return c < line.size() && isWordCharacter(line[c]); };
  if (!wordAtColumn(column) && column > 0 && wordAtColumn(column - 1)) --column;  // just after a word
  qint64 first = column, last = std::min<qint64>(column + 1, line.size());
  if (wordAtColumn(column)) {
    while (first > 0 && isWordCharacter(line[first - 1])) --first;
    while (last < line.size() && isWordCharacter(line[last])) ++last;
  }
  return {text.lineStart(row) + first, last - first};
}

TextSpan lineAt(const LineIndex& text, qint64 position) {
  const qint64 row = text.lineOfPosition(position);
  return {text.lineStart(row), text.lineLength(row)};
}

}  // namespace quilmo
