#include "capture/ScanListWriter.h"

#include "capture/CatalogueLine.h"

namespace quilmo::capture {

ScanListWriter::ScanListWriter(const QString& path) : file_(path) {
  file_.open();
  buffer_.reserve(kBufferSize + 4096);
}

void ScanListWriter::fileLine(std::string_view folder, std::string_view name) {
  CatalogueLine::appendFileLine(buffer_, folder, name);
  if (buffer_.size() >= kBufferSize) flush();
}

void ScanListWriter::totals(double files, double folders) {
  const QByteArray line = CatalogueLine::totalsLine(files, folders);
  buffer_.append(line.constData(), line.size());
}

void ScanListWriter::flush() {
  if (buffer_.empty()) return;
  // Written out during the walk, the list leaves little for the sync at its end.
  if (file_.write(QByteArrayView(buffer_.data(), qsizetype(buffer_.size())))) file_.startWriteBack();
  buffer_.clear();
}

bool ScanListWriter::close(QString* error) {
  if (!closed_) {
    closed_ = true;
    flush();
    file_.commit();
  }
  if (error) *error = file_.errorString();
  return file_.errorString().isEmpty();
}

}  // namespace quilmo::capture
