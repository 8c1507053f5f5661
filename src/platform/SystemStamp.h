#pragma once
// A file's stamp from the system's own record of its status, converted in one place for
// the calls that take it by path and those that take it from an open file.
#include "platform/FileStamp.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace quilmo {

#ifdef _WIN32
inline FileStamp stampOf(const BY_HANDLE_FILE_INFORMATION& info) {
  // FILETIME counts 100 ns steps since 1601-01-01.
  const qint64 ticks = qint64((quint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime);
  constexpr qint64 kTicksFrom1601To1970 = 116444736000000000;
  return {qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow), (ticks - kTicksFrom1601To1970) * 100,
          (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}
#else
inline FileStamp stampOf(const struct stat& info) {
  return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec, quint64(info.st_ino)};
}
#endif

}  // namespace quilmo
