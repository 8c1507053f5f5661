#include <QFile>

#include "platform/SystemStamp.h"

namespace quilmo {

std::optional<FileStamp> fileStamp(const QString& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return stampOf(info);
}

}  // namespace quilmo
