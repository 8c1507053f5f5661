#pragma once
// A disc's facts as people read them, the same in the window and on the command line:
// sizes in decimal units with the exact bytes, times in local time, the volume and the
// totals as captioned rows.
#include <QDateTime>
#include <QList>
#include <QString>

#include "capture/DiscFacts.h"

namespace quilmo::capture {

// "1.2 MB (1,234,567 bytes)"; below a kilobyte the bytes alone: "512 bytes", "1 byte".
QString sizeText(qint64 bytes);
// The same at a glance, for columns: "1.2 MB", "512 bytes".
QString shortSizeText(qint64 bytes);
// A file time (nanoseconds since 1970 UTC) to the millisecond, rounded down so that a time
// before 1970 stays in its own second.
QDateTime fileTime(qint64 nanoseconds);
// Local time to the minute: "2024-03-05 14:22".
QString timeText(const QDateTime& when);
// A file's size and modification time, "1.2 MB (1,234,567 bytes), 2024-03-05 14:22", or
// what stands for them when the file could not be asked.
QString fileFactText(const FileFact& fact);

struct FactRow {
  QString caption;  // "Capacity"
  QString value;    // "700.0 MB (700,000,000 bytes)"
};
// Label, identity, file system, capacity, free space at scan, root, scan time, files,
// folders and total size, in that order.
QList<FactRow> factRows(const DiscFacts& facts);

}  // namespace quilmo::capture
