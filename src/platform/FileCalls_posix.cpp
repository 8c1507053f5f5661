#include "platform/FileCalls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <csignal>

namespace quilmo::FileCalls {

namespace {

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

}  // namespace

qint64 processId() { return qint64(getpid()); }

// ESRCH says nobody has the id; any other answer (EPERM included) means somebody may.
bool processMayBeRunning(qint64 pid) {
  const pid_t id = pid_t(pid);
  return id <= 0 || ::kill(id, 0) == 0 || errno != ESRCH;
}

int createNew(const QString& path) {
  return ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

qint64 writeSome(int fd, const char* data, qint64 size) { return ::write(fd, data, size_t(size)); }

bool syncData(int fd) { return ::fdatasync(fd) == 0; }

bool close(int fd) { return ::close(fd) == 0; }

bool renameOver(const QString& from, const QString& to) {
  return ::rename(encoded(from).constData(), encoded(to).constData()) == 0;
}

void remove(const QString& path) { ::unlink(encoded(path).constData()); }

bool syncFolder(const QString& folder) {
  const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = fd >= 0 && ::fsync(fd) == 0;
  const int why = errno;
  if (fd >= 0) ::close(fd);
  errno = why;
  return synced;
}

}  // namespace quilmo::FileCalls
