#pragma once
// A catalogue with two columns from its disc's facts before each file line: the file's
// size and its modification time. The catalogue lines themselves stay as they are, so a
// find meets them as before.
#include <QByteArray>
#include <QTimeZone>
#include <vector>

#include "capture/DiscFacts.h"

namespace quilmo::capture {

// catalogue: the catalogue's bytes; facts: one per file line, in line order. A line with
// a fact starts with its size (digits grouped, right-aligned) and its time in zone
// ("yyyy-MM-dd HH:mm"), each "-" when it was unknown; the lines after the facts (the
// totals line) start with blanks, so every catalogue line starts in the same column.
QByteArray withFactColumns(const QByteArray& catalogue, const std::vector<FileFact>& facts, const QTimeZone& zone);

}  // namespace quilmo::capture
