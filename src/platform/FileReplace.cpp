#include "platform/FileReplace.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileDevice>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quilmo {

namespace {

bool fail(QString* error) {
  if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
  return false;
}

}  // namespace

void startWriteBack(const QFileDevice& file, qint64 offset, qint64 length) {
  sync_file_range(file.handle(), offset, length, SYNC_FILE_RANGE_WRITE);
}

bool syncToDisk(const QString& path, QString* error) {
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(error);
  const bool synced = fdatasync(fd) == 0;
  const int syncError = errno;
  close(fd);
  errno = syncError;
  return synced || fail(error);
}

bool moveOver(const QString& from, const QString& to, QString* error) {
  return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 || fail(error);
}

}  // namespace quilmo
