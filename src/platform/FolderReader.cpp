#include "platform/FolderReader.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quilmo {

static_assert(kWorkingFolder == AT_FDCWD);

int openFolder(const char* folder, bool followLink, int base) {
  const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (followLink ? 0 : O_NOFOLLOW);
  int fd;
  do fd = ::openat(base, *folder ? folder : ".", flags);
  while (fd < 0 && errno == EINTR);
  return fd;
}

void closeFolder(int folder) {
  if (folder >= 0) ::close(folder);
}

FolderReader::FolderReader() : buffer_(new char[kBufferSize]) {}

void FolderReader::start(int folder) {
  folder_ = folder;
  filled_ = at_ = 0;
}

// getdents64 rather than readdir: readdir's buffer is 32 KiB and opendir adds a status call.
bool FolderReader::fill() {
  ssize_t got;
  do got = getdents64(folder_, buffer_.get(), kBufferSize);
  while (got < 0 && errno == EINTR);
  // An error in the middle of a listing ends it: what was listed stays listed.
  if (got <= 0) {
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
