#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/StampedFile.h"
#include "platform/SystemStamp.h"

namespace quilmo {

StampedFile::StampedFile(const QString& path) {
  // Without O_NONBLOCK, opening a named pipe would wait for a writer for ever.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    missing_ = errno == ENOENT || errno == ENOTDIR;
    errorString_ = qt_error_string(errno);
    return;
  }
  handle_ = fd;
  struct stat info {};
  if (::fstat(fd, &info) != 0) errorString_ = qt_error_string(errno);
  else if (!S_ISREG(info.st_mode)) notPlain_ = true;
  else stamp_ = stampOf(info);
  if (!stamp_) close();
}

void StampedFile::close() {
  if (handle_ >= 0) ::close(int(handle_));
  handle_ = -1;
  stamp_.reset();
}

qint64 StampedFile::readSomeAt(qint64 offset, char* data, qint64 size, QString* error) const {
  if (!stamp_ || offset < 0) return -1;
  for (;;) {
    const ssize_t got = ::pread(int(handle_), data, std::size_t(size), off_t(offset));
    if (got >= 0) return got;
    if (errno == EINTR) continue;
    if (error) *error = qt_error_string(errno);
    return -1;
  }
}

}  // namespace quilmo
