#include "platform/StreamedFile.h"

namespace quilmo {

StreamedFile::StreamedFile(const QString& target, size_t bufferSize) : file_(target), bufferSize_(bufferSize) {
  file_.open();
  buffer_.reserve(bufferSize + 4096);
}

bool StreamedFile::flush() {
  if (buffer_.empty()) return false;
  const bool written = file_.write(QByteArrayView(buffer_.data(), qsizetype(buffer_.size())));
  buffer_.clear();
  return written;
}

void StreamedFile::spillFull() {
  // Synced as it goes, a long file leaves little for the sync at its end.
  if (flush()) file_.syncSoFar();
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
