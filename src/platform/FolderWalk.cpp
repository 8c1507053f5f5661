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

FolderWalk::FolderWalk(std::string root) : reader_([this, root = std::move(root)] { read(root); }) {}

FolderWalk::~FolderWalk() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  reader_.join();
}

void FolderWalk::read(std::string root) {
  std::deque<std::string> folders;
  if (!root.empty() && root.back() != '/') root += '/';
  folders.push_back(std::move(root));
  FolderReader reader;
  FolderEntry entry;
  std::string block;
  block.reserve(kBlockSize + 4096);
  bool isRoot = true;
  while (!folders.empty()) {
    const std::string folder = std::move(folders.front());
    folders.pop_front();
    // Below the root a folder entry is never a link; refusing one guards against a folder
    // swapped for a link after it was listed.
    reader.open(folder, isRoot);
    isRoot = false;
    while (reader.next(entry)) {
      block += entry.isFolder ? kFolder : kFile;
      block += entry.name;
      block += '\0';
      if (entry.isFolder) {
        std::string sub;
        sub.reserve(folder.size() + entry.name.size() + 1);
        sub.append(folder).append(entry.name) += '/';
        folders.push_back(std::move(sub));
      }
      if (block.size() >= kBlockSize && !publish(block)) return;
    }
    block += kFolderEnd;
  }
  if (!publish(block)) return;
  const std::lock_guard lock(mutex_);
  finished_ = true;
  changed_.notify_all();
}

// Hands the block over, waiting while the caller has kLookAhead bytes still to take, and
// leaves block empty (a spare one, when there is). False when the caller has gone.
bool FolderWalk::publish(std::string& block) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return stopping_ || ready_.size() * kBlockSize < kLookAhead; });
  if (stopping_) return false;
  ready_.push_back(std::move(block));
  block.clear();
  if (!spare_.empty()) {
    block = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  changed_.notify_all();
  return true;
}

bool FolderWalk::takeBlock() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
  if (ready_.empty()) return false;
  current_.clear();
  spare_.push_back(std::move(current_));
  current_ = std::move(ready_.front());
  ready_.pop_front();
  at_ = 0;
  lock.unlock();
  changed_.notify_all();
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
