#include "platform/FolderReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <string>
#include <string_view>

namespace quilmo {

static_assert(kWorkingFolder == AT_FDCWD);

namespace {

int openAt(int base, const char* folder, int flags) {
  int fd;
  do fd = ::openat(base, *folder ? folder : ".", flags);
  while (fd < 0 && errno == EINTR);
  return fd;
}

// A path too long for the system to resolve in one call is opened a piece at a time, each
// piece relative to the folder the one before reached, so only the file system limits depth.
// The folders on the way are only passed through (O_PATH), as one call would.
int openInPieces(std::string_view path, int flags, int base) {
  constexpr size_t kPiece = 2048;  // well under PATH_MAX; a name is at most 255 bytes
  const int passFlags = O_PATH | O_DIRECTORY | O_CLOEXEC | (flags & O_NOFOLLOW);
  int at = base;
  std::string piece;
  for (;;) {
    const size_t cut = path.size() <= kPiece ? path.size() : path.rfind('/', kPiece);
    if (cut == std::string_view::npos) break;  // a name no file system holds
    piece.assign(path.substr(0, cut == 0 ? 1 : cut));  // "/" begins an absolute path
    path.remove_prefix(cut);
    while (!path.empty() && path.front() == '/') path.remove_prefix(1);
    const int next = openAt(at, piece.c_str(), path.empty() ? flags : passFlags);
    if (at != base) ::close(at);
    if (next < 0 || path.empty()) return next;
    at = next;
  }
  if (at != base) ::close(at);
  errno = ENAMETOOLONG;
  return -1;
}

}  // namespace

int openFolder(const char* folder, bool followLink, int base) {
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
  const int fd = openAt(base, folder, flags);
  return fd < 0 && errno == ENAMETOOLONG ? openInPieces(folder, flags, base) : fd;
}

void closeFolder(int folder) {
  if (folder >= 0) ::close(folder);
}

// statx asks only for what is wanted, and AT_STATX_DONT_SYNC spares a network file system
// the round trip to its server for fresher values than its cache holds.
void readEntryStatus(int folder, const char* name, FolderEntry& entry) {
  struct statx status {};
  if (statx(folder, name, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC, STATX_SIZE | STATX_MTIME, &status) != 0 ||
      !(status.stx_mask & STATX_SIZE)) {
    entry.size = -1;
    return;
  }
  entry.size = int64_t(status.stx_size);
  entry.modified = int64_t(status.stx_mtime.tv_sec) * 1'000'000'000 + status.stx_mtime.tv_nsec;
}

std::string folderPathBytes(const QString& folder) { return QFile::encodeName(folder).toStdString(); }

// getdents64 rather than readdir: readdir's buffer is 32 KiB and opendir adds a status call.
bool FolderReader::fill() {
  ssize_t got;
  do got = getdents64(folder_, buffer_.get(), kBufferSize);
  while (got < 0 && errno == EINTR);
  // An error in the middle of a listing ends it: what was listed stays listed.
  if (got <= 0) {
    failed_ = got < 0;
    folder_ = -1;
    return false;
  }
  filled_ = size_t(got);
  at_ = 0;
  return true;
}

bool FolderReader::next(FolderEntry& entry) {
  while (folder_ >= 0) {
    if (at_ == filled_ && !fill()) return false;
    const auto* found = reinterpret_cast<const dirent64*>(buffer_.get() + at_);
    at_ += found->d_reclen;
    const char* name = found->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    entry.name = name;
    switch (found->d_type) {
      case DT_DIR: entry.isFolder = true; break;
      // Some file systems do not report the kind of an entry; no-follow, so a link stays a link.
      case DT_UNKNOWN: {
        struct stat status {};
        entry.isFolder = fstatat(folder_, name, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(status.st_mode);
        break;
      }
      default: entry.isFolder = false; break;
    }
    return true;
  }
  return false;
}

}  // namespace quilmo
