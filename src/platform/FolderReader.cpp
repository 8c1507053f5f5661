#include "platform/FolderReader.h"

#include <dirent.h>
#include <sys/stat.h>

namespace quilmo {

FolderReader::FolderReader(std::string folder) : folder_(std::move(folder)) {
  handle_ = opendir(folder_.empty() ? "." : folder_.c_str());
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

FolderReader::~FolderReader() {
  if (handle_) closedir(static_cast<DIR*>(handle_));
}

bool FolderReader::next(FolderEntry& entry) {
  if (!handle_) return false;
  while (const dirent* found = readdir(static_cast<DIR*>(handle_))) {
    const char* name = found->d_name;
    if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
    entry.name = name;
    switch (found->d_type) {
      case DT_DIR: entry.isFolder = true; break;
      case DT_UNKNOWN: entry.isFolder = isFolderByStatus(entry.name); break;
      default: entry.isFolder = false; break;
    }
    return true;
  }
  return false;
}

// Some file systems do not report the kind of an entry; lstat, so a link stays a link.
bool FolderReader::isFolderByStatus(std::string_view name) {
  const std::string path = folder_ + std::string(name);
  struct stat status {};
  return lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace quilmo
