#pragma once
// Writes the quick report of a running search. When the search starts the report is
// emptied, and a temporary file beside it takes the hit lines a block at a time while the
// search runs, each block synced on a thread of its own. The finish then has only the last
// block to sync before the file replaces the report, so a large report costs the search
// no wait at its end. A search that never finishes leaves the report empty.
#include <QString>

#include "platform/ReplacingFile.h"
#include "search/matcher/HitLines.h"

namespace quilmo::search {

class QuickReportWriter {
 public:
  explicit QuickReportWriter(const QString& appFolder);

  // Empties the report and opens the temporary file; false, with the reason, when either
  // fails. Blocks and commit then do nothing but report the failure again. A caller may
  // begin once the search's readers are at work, so that the emptying runs beside them;
  // commit begins when no one did.
  bool begin(QString* error = nullptr);
  bool begun() const { return begun_; }
  bool failing() const { return !problem_.isEmpty(); }
  // A block of the hit lines that is complete (HitLines' blocks, in order).
  void blockFilled(QByteArrayView block);
  // Writes the blocks not yet written and replaces the report with the file.
  bool commit(const HitLines& hits, QString* error = nullptr);

 private:
  bool write(QByteArrayView block);  // false when it failed now or before, or was empty
  bool failed(QString* error);

  const QString appFolder_;
  ReplacingFile file_;
  std::size_t blocksWritten_ = 0;
  bool begun_ = false;
  QString problem_;
};

}  // namespace quilmo::search
