#pragma once
// What quilmo-cli export writes: one row per file of a disc, or one per hit line of the
// last report, with each file's size and modification time where its disc's facts are
// valid (and empty cells where they are not).
#include <QString>
#include <functional>
#include <vector>

#include "capture/DiscFacts.h"
#include "cli/export/TableFormat.h"

namespace quilmo::cli {

using RowSink = std::function<void(const Row&)>;
using Warning = std::function<void(const QString&)>;

// folder, name, size, modified.
QList<Column> discColumns();
// disc, then the columns of a disc.
QList<Column> reportColumns();

// The file lines of the catalogue at cataloguePath, with the sizes and times of files
// (its facts' lines, or none). False, with the reason, when the catalogue cannot be read.
bool discRows(const QString& cataloguePath, const std::vector<capture::FileFact>& files, const RowSink& sink,
              QString* error);

// The hit lines of the report at reportPath, whose discs are in dataPath. A line that is
// no file line (a totals line) has its text as the name. Each disc whose facts cannot be
// used is told to warn, once. False, with the reason, when the report cannot be read.
bool reportRows(const QString& dataPath, const QString& reportPath, const RowSink& sink, const Warning& warn,
                QString* error);

}  // namespace quilmo::cli
