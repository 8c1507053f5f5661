#pragma once
// A plain file opened for reading at given offsets, with the stamp of the file that was
// opened: what is read is the version the stamp describes, even if another file takes
// its name meanwhile. One open and one status call, where a stamp taken by path and a
// file opened after it would ask the system twice. Reads at an offset never share a file
// position, so threads may read one file at once.
#include <QString>
#include <optional>

#include "platform/FileStamp.h"

namespace quilmo {

class StampedFile {
 public:
  StampedFile() = default;  // no file: as one that could not be opened
  explicit StampedFile(const QString& path);
  ~StampedFile();
  StampedFile(StampedFile&& other) noexcept;
  StampedFile& operator=(StampedFile&& other) noexcept;
  StampedFile(const StampedFile&) = delete;
  StampedFile& operator=(const StampedFile&) = delete;

  // None when the file could not be opened or is no plain file; then one of these says why.
  const std::optional<FileStamp>& stamp() const { return stamp_; }
  bool missing() const { return missing_; }
  bool notPlain() const { return notPlain_; }
  QString errorString() const { return errorString_; }

  // Up to size bytes at offset: the number read, 0 at the end of the file, or -1 with the
  // system's words for the failure in error.
  qint64 readSomeAt(qint64 offset, char* data, qint64 size, QString* error = nullptr) const;
  // Exactly size bytes at offset; false when the file has fewer or cannot be read.
  bool readAt(qint64 offset, char* data, qint64 size) const;

 private:
  void close();

  std::optional<FileStamp> stamp_;
  bool missing_ = false, notPlain_ = false;
  QString errorString_;
  qintptr handle_ = -1;  // a descriptor, or a Windows handle
};

}  // namespace quilmo
