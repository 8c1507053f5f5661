#pragma once
// Writes the scan list as the walk finds entries, through one large buffer, so a disc of
// a million files costs a few hundred writes and no list of entries is kept. The list is
// private to its run (a temporary file beside the target) and takes the target's place
// whole when it is closed complete, so two creations never share one, and a failed or
// abandoned walk leaves the old file untouched.
#include <QString>
#include <string_view>

#include "platform/StreamedFile.h"

namespace quilmo::capture {

class ScanListWriter {
 public:
  // Starts a new content for path (the catalogue); the old one stays until close().
  explicit ScanListWriter(const QString& path);

  bool isOpen() const { return file_.isOpen(); }
  void fileLine(std::string_view folder, std::string_view name);
  void totals(double files, double folders);
  // Writes what is buffered and puts the list in the target's place; false (with the
  // reason) when any write failed, and the target is then as it was.
  bool close(QString* error = nullptr) { return file_.close(error); }

  static constexpr size_t kBufferSize = 1 << 20;

 private:
  StreamedFile file_;
};

}  // namespace quilmo::capture
