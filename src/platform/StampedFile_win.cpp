#include <windows.h>

#include <QDir>

#include "platform/StampedFile.h"
#include "platform/SystemStamp.h"

namespace quilmo {

namespace {

HANDLE handleOf(qintptr h) { return reinterpret_cast<HANDLE>(h); }

}  // namespace

StampedFile::StampedFile(const QString& path) {
  const QString native = QDir::toNativeSeparators(path);
  const auto wide = reinterpret_cast<LPCWSTR>(native.utf16());
  const HANDLE file = CreateFileW(wide, GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    missing_ = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    // A folder is not opened without backup rights: the refusal means it is no file.
    const DWORD attributes = GetFileAttributesW(wide);
    notPlain_ = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    errorString_ = qt_error_string(int(error));
    return;
  }
  handle_ = reinterpret_cast<qintptr>(file);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info)) errorString_ = qt_error_string(int(GetLastError()));
  else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || GetFileType(file) != FILE_TYPE_DISK) notPlain_ = true;
  else stamp_ = stampOf(info);
  if (!stamp_) close();
}

void StampedFile::close() {
  if (handle_ != -1) CloseHandle(handleOf(handle_));
  handle_ = -1;
  stamp_.reset();
}

qint64 StampedFile::readSomeAt(qint64 offset, char* data, qint64 size, QString* error) const {
  if (!stamp_ || offset < 0) return -1;
  OVERLAPPED at{};
  at.Offset = DWORD(quint64(offset) & 0xFFFFFFFFu);
  at.OffsetHigh = DWORD(quint64(offset) >> 32);
  DWORD got = 0;
  if (ReadFile(handleOf(handle_), data, DWORD(qMin<qint64>(size, 1 << 30)), &got, &at)) return qint64(got);
  const DWORD failure = GetLastError();
  if (failure == ERROR_HANDLE_EOF) return 0;
  if (error) *error = qt_error_string(int(failure));
  return -1;
}

}  // namespace quilmo
