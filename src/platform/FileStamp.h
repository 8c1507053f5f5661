#pragma once
// What tells one version of a file from another without reading it: its size, its
// modification time to the nanosecond, and the file system's number for it (inode on
// POSIX, file index on Windows), which changes when another file takes its name.
#include <QString>
#include <optional>

namespace quilmo {

struct FileStamp {
  qint64 size = 0;
  qint64 modified = 0;  // nanoseconds since 1970-01-01 UTC
  quint64 identity = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the plain file at path; none when it is missing or no plain file.
std::optional<FileStamp> fileStamp(const QString& path);

}  // namespace quilmo
