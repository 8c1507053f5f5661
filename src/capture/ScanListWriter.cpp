#include "capture/ScanListWriter.h"

#include "capture/CatalogueLine.h"
#include "platform/FileReplace.h"

namespace quilmo {

ScanListWriter::ScanListWriter(const QString& path) : file_(path) {
  // Unbuffered: our own buffer is the only one, so each flush is one write.
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) error_ = file_.errorString();
  buffer_.reserve(kBufferSize + 4096);
}

ScanListWriter::~ScanListWriter() { close(); }

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
  if (file_.isOpen() && error_.isEmpty()) {
    const qint64 size = qint64(buffer_.size());
    if (file_.write(buffer_.data(), size) != size) error_ = file_.errorString();
    // The list is synced before it becomes the catalogue; writing it out during the walk
    // keeps that final wait short.
    else startWriteBack(file_, written_, size);
    written_ += size;
  }
  buffer_.clear();
}

bool ScanListWriter::close(QString* error) {
  if (file_.isOpen()) {
    flush();
    file_.close();
    if (error_.isEmpty() && file_.error() != QFileDevice::NoError) error_ = file_.errorString();
  }
  if (error) *error = error_;
  return error_.isEmpty();
}

}  // namespace quilmo
