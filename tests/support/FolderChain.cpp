#include "support/FolderChain.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quilmo::test {

namespace {
int openBelow(int parent, const char* name) {
  const int child = openat(parent, name, O_DIRECTORY | O_RDONLY | O_CLOEXEC);
  close(parent);
  return child;
}
}  // namespace

FolderChain::FolderChain(std::string root, std::string name, int levels, std::string file)
    : root_(std::move(root)), name_(std::move(name)), file_(std::move(file)), levels_(levels) {
  int at = open(root_.c_str(), O_DIRECTORY | O_RDONLY | O_CLOEXEC);
  for (int level = 0; level < levels_ && at >= 0; ++level) {
    if (mkdirat(at, name_.c_str(), 0700) != 0) {
      close(at);
      return;
    }
    at = openBelow(at, name_.c_str());
  }
  if (at < 0) return;
  const int fd = openat(at, file_.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
  made_ = fd >= 0;
  if (fd >= 0) close(fd);
  close(at);
}

// Down to the file, then up by "..", removing each folder from its parent.
FolderChain::~FolderChain() {
  int at = open(root_.c_str(), O_DIRECTORY | O_RDONLY | O_CLOEXEC);
  int depth = 0;
  for (; depth < levels_ && at >= 0; ++depth) {
    const int child = openat(at, name_.c_str(), O_DIRECTORY | O_RDONLY | O_CLOEXEC);
    if (child < 0) break;
    close(at);
    at = child;
  }
  if (depth == levels_) unlinkat(at, file_.c_str(), 0);
  for (; depth > 0 && at >= 0; --depth) {
    at = openBelow(at, "..");
    if (at >= 0) unlinkat(at, name_.c_str(), AT_REMOVEDIR);
  }
  if (at >= 0) close(at);
}

std::string FolderChain::path() const {
  std::string path = name_;
  for (int level = 1; level < levels_; ++level) path += '/' + name_;
  return path;
}

}  // namespace quilmo::test
