#include "platform/FileCalls.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <QDir>
#include <cerrno>
#include <climits>

namespace quilmo::FileCalls {

namespace {

std::wstring wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

// The C library sets errno for its own calls; the Win32 ones get the nearest errno value.
int errnoOf(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return EEXIST;
    default: return EIO;
  }
}

}  // namespace

qint64 processId() { return qint64(_getpid()); }

// Opening a process that does not exist fails with ERROR_INVALID_PARAMETER; other failures
// (access denied to another user's process) mean it exists. A handle to a process that has
// ended lives on while someone holds one, so the exit code settles it.
bool processMayBeRunning(qint64 pid) {
  if (pid <= 0 || pid > qint64(ULONG_MAX)) return true;
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
  if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool ended = GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
  CloseHandle(process);
  return !ended;
}

int createNew(const QString& path) {
  return _wopen(wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}

qint64 writeSome(int fd, const char* data, qint64 size) {
  return _write(fd, data, unsigned(qMin<qint64>(size, INT_MAX)));
}

// _commit is FlushFileBuffers on the file's handle.
bool syncData(int fd) { return _commit(fd) == 0; }

bool close(int fd) { return _close(fd) == 0; }

// Write-through: the call returns only when the rename is on the disk.
bool renameOver(const QString& from, const QString& to) {
  if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  errno = errnoOf(GetLastError());
  return false;
}

void remove(const QString& path) { _wunlink(wide(path).c_str()); }

// A folder cannot be flushed on Windows; renames are made lasting by their own write-through.
bool syncFolder(const QString&) { return true; }

}  // namespace quilmo::FileCalls
