#include "search/reports/QuickReportWriter.h"

#include "search/reports/Reports.h"

namespace quilmo::search {

QuickReportWriter::QuickReportWriter(const QString& appFolder)
    : appFolder_(appFolder), file_(quickReportPath(appFolder)) {}

bool QuickReportWriter::begin(QString* error) {
  begun_ = true;
  // The temporary reports of searches that were killed go before this one makes its own.
  removeStaleTemporaryFiles(appFolder_);
  if (!clearQuickReport(appFolder_, &problem_)) return failed(error);
  if (!file_.open()) {
    problem_ = file_.errorString();
    return failed(error);
  }
  return true;
}

void QuickReportWriter::blockFilled(QByteArrayView block) {
  // Synced while the search goes on, the blocks leave the commit's sync little to wait for.
  if (write(block)) file_.syncSoFar();
  ++blocksWritten_;
}

bool QuickReportWriter::write(QByteArrayView block) {
  if (!problem_.isEmpty() || block.isEmpty()) return false;
  if (file_.write(block)) return true;
  problem_ = file_.errorString();
  return false;
}

bool QuickReportWriter::commit(const HitLines& hits, QString* error) {
  if (!begun_) begin();
  const std::vector<QByteArray>& blocks = hits.reportBlocks();
  for (std::size_t i = blocksWritten_; i < blocks.size(); ++i) write(blocks[i]);
  if (!problem_.isEmpty()) return failed(error);
  if (file_.commit()) return true;
  problem_ = file_.errorString();
  return failed(error);
}

bool QuickReportWriter::failed(QString* error) {
  if (error) *error = problem_;
  file_.cancel();
  return false;
}

}  // namespace quilmo::search
