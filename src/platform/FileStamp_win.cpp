#include <windows.h>

#include <QDir>

#include "platform/FileStamp.h"

namespace quilmo {

std::optional<FileStamp> fileStamp(const QString& path) {
  const HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool read = GetFileInformationByHandle(file, &info) != 0;
  CloseHandle(file);
  if (!read || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  // FILETIME counts 100 ns steps since 1601-01-01.
  const qint64 ticks = qint64((quint64(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime);
  constexpr qint64 kTicksFrom1601To1970 = 116444736000000000;
  return FileStamp{qint64((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow), (ticks - kTicksFrom1601To1970) * 100,
                   (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace quilmo
