#pragma once
// search's --min-size, --max-size, --newer and --older: which files a hit may name,
// judged by the size and modification time a disc's facts hold for each catalogue line.
#include <QString>
#include <optional>

#include "capture/DiscFacts.h"
#include "search/GlobalSearch.h"

namespace quilmo::cli {

struct FileFilter {
  std::optional<qint64> minSize, maxSize;  // bytes, both included
  std::optional<qint64> newer, older;      // nanoseconds since 1970: from newer on, before older

  bool isSet() const { return minSize || maxSize || newer || older; }
  // A file whose size could not be asked passes no filter.
  bool passes(const capture::FileFact& file) const;
};

// "1234", "700K", "4G": whole bytes, or a whole number of KiB, MiB, GiB or TiB (base 1024).
std::optional<qint64> parseSize(const QString& text);
// "2024-05-01", "2024-05-01T12:30" or with seconds (a blank for the T will do), in local
// time unless it ends with Z or an offset such as +02:00: nanoseconds since 1970.
std::optional<qint64> parseTime(const QString& text);

// The lines of the catalogue at cataloguePath whose files pass filter. A disc without
// valid facts keeps none of its lines, and why goes to whyLeftOut.
search::LineFilter linesPassing(const FileFilter& filter, const QString& cataloguePath, QString* whyLeftOut);

}  // namespace quilmo::cli
