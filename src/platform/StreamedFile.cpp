#include "platform/StreamedFile.h"

namespace quilmo {

StreamedFile::StreamedFile(const QString& target, size_t bufferSize) : file_(target), bufferSize_(bufferSize) {
  file_.open();
  buffer_.reserve(bufferSize + 4096);
}

void StreamedFile::flush() {
  if (buffer_.empty()) return;
  // Written out as it goes, a long file leaves little for the sync at its end.
  if (file_.write(QByteArrayView(buffer_.data(), qsizetype(buffer_.size())))) file_.syncSoFar();
  buffer_.clear();
}

bool StreamedFile::close(QString* error) {
  if (!closed_) {
    closed_ = true;
    flush();
    file_.commit();
  }
  if (error) *error = file_.errorString();
  return file_.errorString().isEmpty();
}

}  // namespace quilmo
