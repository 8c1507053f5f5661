#include "search/QuickReportWriter.h"

#ifdef __linux__
#include <fcntl.h>
#endif

#include "search/Reports.h"

namespace quilmo::search {

QuickReportWriter::QuickReportWriter(const QString& appFolder)
    : appFolder_(appFolder), file_(quickReportPath(appFolder)) {}

bool QuickReportWriter::begin(QString* error) {
  begun_ = true;
  if (!clearQuickReport(appFolder_, &problem_)) return failed(error);
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    problem_ = file_.errorString();
    return failed(error);
  }
  return true;
}

void QuickReportWriter::blockFilled(QByteArrayView block) {
  write(block);
  ++blocksWritten_;
}

void QuickReportWriter::write(QByteArrayView block) {
  if (!problem_.isEmpty() || block.isEmpty()) return;
  if (file_.write(block.data(), block.size()) != block.size()) {
    problem_ = file_.errorString();
    return;
  }
#ifdef __linux__
  // Start writing the block to the disk now; the sync of the commit then has little left.
  sync_file_range(file_.handle(), bytesWritten_, block.size(), SYNC_FILE_RANGE_WRITE);
#endif
  bytesWritten_ += block.size();
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
  if (file_.isOpen()) file_.cancelWriting();
  return false;
}

}  // namespace quilmo::search
