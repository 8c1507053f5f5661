#pragma once
// A ReplacingFile written through one large buffer: a writer appends its records to
// buffer() and calls spill() after each, so a stream of a million records costs a few
// hundred writes and no list of them is kept in memory.
#include <QString>
#include <string>

#include "platform/ReplacingFile.h"

namespace quilmo {

class StreamedFile {
 public:
  // Starts a new content for target; the old one stays until close().
  StreamedFile(const QString& target, size_t bufferSize);

  bool isOpen() const { return file_.isOpen(); }
  std::string& buffer() { return buffer_; }
  // Writes the buffer out once it holds bufferSize bytes.
  void spill() {
    if (buffer_.size() >= bufferSize_) spillFull();
  }
  // Writes what is buffered and puts the file in the target's place; false (with the
  // reason) when any write failed, and the target is then as it was.
  bool close(QString* error = nullptr);

 private:
  void spillFull();
  bool flush();  // false when nothing was written

  ReplacingFile file_;
  std::string buffer_;
  size_t bufferSize_;
  bool closed_ = false;
};

}  // namespace quilmo
