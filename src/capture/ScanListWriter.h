#pragma once
// Writes the scan list as the walk finds entries, through one large buffer, so a disc of
// a million files costs a few hundred writes and no list of entries is kept.
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace quilmo {

class ScanListWriter {
 public:
  // Opens path for writing, replacing any old content.
  explicit ScanListWriter(const QString& path);
  ~ScanListWriter();

  bool isOpen() const { return file_.isOpen(); }
  void fileLine(std::string_view folder, std::string_view name);
  void totals(double files, double folders);
  // Writes what is buffered and closes; false (with the reason) when any write failed.
  bool close(QString* error = nullptr);

  static constexpr size_t kBufferSize = 1 << 20;

 private:
  void flush();

  QFile file_;
  std::string buffer_;
  qint64 written_ = 0;
  QString error_;
};

}  // namespace quilmo
