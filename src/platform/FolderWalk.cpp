#include "platform/FolderWalk.h"

#include <cstring>

namespace quilmo {

// A block holds records back to back: a kind byte, then for a file or folder its name and
// a NUL (a name never holds one). Folder ends are records too, so folders may span blocks.
namespace {
constexpr char kFile = 'f';
constexpr char kFolder = 'd';
constexpr char kFolderEnd = 'e';
}  // namespace

FolderWalk::FolderWalk(std::string root)
    : toOpen_{std::string()},
      root_(openFolder(root.c_str())),
      opener_([this] { open(); }),
      lister_([this] { list(); }) {}

FolderWalk::~FolderWalk() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  listerWakes_.notify_all();
  lister_.join();
  opener_.join();
  closeFolder(root_);
}

// The opener wakes for folders to open while the lister has used up a quarter of those
// opened ahead, and when the lister is done; closing waits for either.
bool FolderWalk::openerHasWork() const {
  return listed_ || (!toOpen_.empty() && opened_.size() <= kOpenAhead * 3 / 4);
}

// Folders below the root are opened relative to it, which spares the system the walk down
// the root's own path, and never through a link: a folder entry is not one, and refusing one
// guards against a folder swapped for a link after it was listed.
int FolderWalk::openRelative(const std::string& path) const {
  return root_ < 0 ? -1 : openFolder(path.c_str(), path.empty(), root_);
}

void FolderWalk::open() {
  std::vector<int> closing;
  std::vector<OpenFolder> batch;
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      openerWakes_.wait(lock, [this] { return openerHasWork(); });
      closing.swap(toClose_);
      if (listed_) {
        for (const OpenFolder& left : opened_) closing.push_back(left.fd);
        opened_.clear();
      } else {
        while (!toOpen_.empty() && opened_.size() + batch.size() < kOpenAhead && batch.size() < kOpenBatch) {
          batch.push_back({-1, std::move(toOpen_.front())});
          toOpen_.pop_front();
        }
        opening_ = !batch.empty();
      }
    }
    for (const int fd : closing) closeFolder(fd);
    closing.clear();
    if (batch.empty()) break;
    for (OpenFolder& folder : batch) folder.fd = openRelative(folder.path);
    {
      const std::lock_guard lock(mutex_);
      for (OpenFolder& folder : batch) opened_.push_back(std::move(folder));
      opening_ = false;
    }
    batch.clear();
    listerWakes_.notify_one();
  }
}

void FolderWalk::list() {
  FolderReader reader;
  FolderEntry entry;
  std::string block;
  block.reserve(kBlockSize + 4096);
  std::vector<std::string> found;
  size_t pending = 1;  // folders found and not yet listed
  bool stopped = false;
  while (pending > 0 && !stopped) {
    OpenFolder folder;
    bool openHere = false;
    {
      // When the opener falls behind (the machine may be busy), the lister opens the next
      // folder itself rather than wait: order is kept, as nothing is on its way.
      std::unique_lock lock(mutex_);
      listerWakes_.wait(lock, [this] { return stopping_ || !opened_.empty() || (!toOpen_.empty() && !opening_); });
      if (stopping_) break;
      if (opened_.empty()) {
        folder.path = std::move(toOpen_.front());
        toOpen_.pop_front();
        openHere = true;
      } else {
        folder = std::move(opened_.front());
        opened_.pop_front();
        if (opened_.size() == kOpenAhead * 3 / 4) openerWakes_.notify_one();
      }
    }
    if (openHere) folder.fd = openRelative(folder.path);
    --pending;
    reader.start(folder.fd);
    while (reader.next(entry)) {
      block += entry.isFolder ? kFolder : kFile;
      block += entry.name;
      block += '\0';
      if (entry.isFolder) {
        std::string& sub = found.emplace_back(folder.path);
        if (!sub.empty()) sub += '/';
        sub += entry.name;
      }
      if (block.size() >= kBlockSize && !publish(block)) {
        stopped = true;
        break;
      }
    }
    block += kFolderEnd;
    pending += found.size();
    const std::lock_guard lock(mutex_);
    toClose_.push_back(folder.fd);
    const bool wasEmpty = toOpen_.empty();
    for (std::string& path : found) toOpen_.push_back(std::move(path));
    found.clear();
    if (wasEmpty && openerHasWork()) openerWakes_.notify_one();
  }
  if (!stopped) publish(block);
  const std::lock_guard lock(mutex_);
  listed_ = finished_ = true;
  openerWakes_.notify_one();
  callerWakes_.notify_one();
}

// Hands the block over, waiting while the caller has kLookAhead bytes still to take, and
// leaves block empty (a spare one, when there is). False when the caller has gone.
bool FolderWalk::publish(std::string& block) {
  std::unique_lock lock(mutex_);
  listerWakes_.wait(lock, [this] { return stopping_ || ready_.size() * kBlockSize < kLookAhead; });
  if (stopping_) return false;
  ready_.push_back(std::move(block));
  block.clear();
  if (!spare_.empty()) {
    block = std::move(spare_.back());
    spare_.pop_back();
  }
  callerWakes_.notify_one();
  return true;
}

bool FolderWalk::takeBlock() {
  std::unique_lock lock(mutex_);
  callerWakes_.wait(lock, [this] { return !ready_.empty() || finished_; });
  if (ready_.empty()) return false;
  current_.clear();
  spare_.push_back(std::move(current_));
  current_ = std::move(ready_.front());
  ready_.pop_front();
  at_ = 0;
  listerWakes_.notify_one();
  return true;
}

bool FolderWalk::nextFolder() {
  FolderEntry rest;
  while (inFolder_ && nextEntry(rest)) {
  }
  if (foldersLeft_ == 0) return false;
  --foldersLeft_;
  inFolder_ = true;
  return true;
}

bool FolderWalk::nextEntry(FolderEntry& entry) {
  if (!inFolder_) return false;
  if (at_ == current_.size() && !takeBlock()) {
    inFolder_ = false;
    return false;
  }
  const char kind = current_[at_++];
  if (kind == kFolderEnd) {
    inFolder_ = false;
    return false;
  }
  const char* name = current_.data() + at_;
  entry.name = std::string_view(name, std::strlen(name));
  entry.isFolder = kind == kFolder;
  at_ += entry.name.size() + 1;
  if (entry.isFolder) ++foldersLeft_;
  return true;
}

}  // namespace quilmo
