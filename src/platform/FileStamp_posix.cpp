#include <sys/stat.h>

#include <QFile>

#include "platform/FileStamp.h"

namespace quilmo {

std::optional<FileStamp> fileStamp(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return FileStamp{qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                   quint64(info.st_ino)};
}

}  // namespace quilmo
