#include "platform/FolderReader.h"

#include <windows.h>

#include <QString>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace quilmo {

namespace {

// Windows has no descriptor that a folder can be listed through and others opened relative
// to, so a descriptor here numbers a slot that holds the folder's path and its listing.
struct OpenFolder {
  std::wstring path;  // absolute, "\\?\"-prefixed (no longest-path limit), ending with "\"
  HANDLE search = INVALID_HANDLE_VALUE;
  DWORD ended = ERROR_SUCCESS;  // why the listing ended
};

// The walk's two listers open and close folders at once.
std::mutex slotsMutex;
std::vector<std::unique_ptr<OpenFolder>> slots;

int takeSlot(std::wstring path) {
  const std::lock_guard lock(slotsMutex);
  size_t free = 0;
  while (free < slots.size() && slots[free]) ++free;
  if (free == slots.size()) slots.emplace_back();
  slots[free] = std::make_unique<OpenFolder>();
  slots[free]->path = std::move(path);
  return int(free);
}

OpenFolder* slotOf(int folder) {
  const std::lock_guard lock(slotsMutex);
  return folder >= 0 && size_t(folder) < slots.size() ? slots[size_t(folder)].get() : nullptr;
}

std::wstring widened(std::string_view utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size()))));
  for (wchar_t& c : wide)
    if (c == L'/') c = L'\\';
  return wide;
}

std::wstring absolutePath(const std::wstring& path) {
  const wchar_t* relative = path.empty() ? L"." : path.c_str();
  std::wstring full(GetFullPathNameW(relative, 0, nullptr, nullptr), L'\0');
  if (full.empty()) return {};
  full.resize(GetFullPathNameW(relative, DWORD(full.size()), full.data(), nullptr));
  if (full.starts_with(L"\\\\?\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

// Symbolic links and junctions lead elsewhere; other reparse points (cloud placeholders,
// deduplicated files) are what they say they are.
bool isLink(DWORD attributes, DWORD reparseTag) {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
         (reparseTag == IO_REPARSE_TAG_SYMLINK || reparseTag == IO_REPARSE_TAG_MOUNT_POINT);
}

bool isLinkAt(std::wstring path) {
  path.pop_back();  // the entry itself, not its content
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileExW(path.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return isLink(found.dwFileAttributes, found.dwReserved0);
}

bool nextFound(OpenFolder& folder, WIN32_FIND_DATAW& found) {
  bool got;
  if (folder.search == INVALID_HANDLE_VALUE) {
    folder.search = FindFirstFileExW((folder.path + L'*').c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    got = folder.search != INVALID_HANDLE_VALUE;
  } else {
    got = FindNextFileW(folder.search, &found);
  }
  if (!got) folder.ended = GetLastError();
  return got;
}

bool isDotOrDotDot(const wchar_t* name) { return name[0] == L'.' && (!name[1] || (name[1] == L'.' && !name[2])); }

// A record in the buffer: a kind byte, the UTF-8 name, a NUL. A name is at most MAX_PATH
// UTF-16 units, each at most three bytes of UTF-8.
constexpr size_t kRecordRoom = 2 + 3 * MAX_PATH;
constexpr char kFolder = 'd';
constexpr char kOther = 'f';

}  // namespace

// The check and the later listing are two steps, so a folder swapped for a link between them
// is listed through the link; Win32 offers no open-relative-without-following to close that.
int openFolder(const char* folder, bool followLink, int base) {
  std::wstring path = widened(folder);
  if (base == kWorkingFolder) {
    path = absolutePath(path);
  } else {
    const OpenFolder* at = slotOf(base);
    if (!at) return -1;
    path = at->path + path;
  }
  if (path.empty()) return -1;
  if (path.back() != L'\\') path += L'\\';
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return -1;
  if (!followLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) && isLinkAt(path)) return -1;
  return takeSlot(std::move(path));
}

void closeFolder(int folder) {
  const std::lock_guard lock(slotsMutex);
  if (folder < 0 || size_t(folder) >= slots.size() || !slots[size_t(folder)]) return;
  if (slots[size_t(folder)]->search != INVALID_HANDLE_VALUE) FindClose(slots[size_t(folder)]->search);
  slots[size_t(folder)].reset();
}

void readEntryStatus(int folder, const char* name, FolderEntry& entry) {
  entry.size = -1;
  const OpenFolder* at = slotOf(folder);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!at || !GetFileAttributesExW((at->path + widened(name)).c_str(), GetFileExInfoStandard, &data)) return;
  entry.size = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  // FILETIME counts 100 ns steps from 1601.
  const int64_t ticks = (int64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  entry.modified = (ticks - 116'444'736'000'000'000) * 100;
}

std::string folderPathBytes(const QString& folder) { return folder.toUtf8().toStdString(); }

bool FolderReader::fill() {
  OpenFolder* folder = slotOf(folder_);
  filled_ = at_ = 0;
  WIN32_FIND_DATAW found;
  while (folder && folder->ended == ERROR_SUCCESS && filled_ + kRecordRoom <= kBufferSize &&
         nextFound(*folder, found)) {
    if (isDotOrDotDot(found.cFileName)) continue;
    const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                          !isLink(found.dwFileAttributes, found.dwReserved0);
    char* record = buffer_.get() + filled_;
    const int nameBytes = WideCharToMultiByte(CP_UTF8, 0, found.cFileName, -1, record + 1, int(kRecordRoom - 1),
                                              nullptr, nullptr);  // counts the NUL
    if (nameBytes <= 1) continue;
    record[0] = isFolder ? kFolder : kOther;
    filled_ += 1 + size_t(nameBytes);
  }
  if (filled_ > 0) return true;
  // An error in the middle of a listing ends it: what was listed stays listed.
  failed_ = !folder || (folder->ended != ERROR_NO_MORE_FILES && folder->ended != ERROR_FILE_NOT_FOUND);
  folder_ = -1;
  return false;
}

bool FolderReader::next(FolderEntry& entry) {
  if (folder_ < 0 || (at_ == filled_ && !fill())) return false;
  const char* record = buffer_.get() + at_;
  entry.isFolder = record[0] == kFolder;
  entry.name = record + 1;
  at_ += entry.name.size() + 2;
  return true;
}

}  // namespace quilmo
