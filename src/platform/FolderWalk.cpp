#include "platform/FolderWalk.h"

#include <cstring>

namespace quilmo {

// A listing holds records back to back: a kind byte, then for a file or folder its name and
// a NUL (a name never holds one), then a mark if the folder could not be read, and last
// the folder's end. A file with its status has its size and time before its name.
namespace {
constexpr char kFile = 'f';
constexpr char kFileWithStatus = 's';
constexpr char kFolder = 'd';
constexpr char kUnreadable = 'u';
constexpr char kFolderEnd = 'e';
}  // namespace

FolderWalk::FolderWalk(std::string root, FileStatus status, Opener open)
    : toList_{std::string()},
      status_(status),
      open_(open),
      root_(open(root.c_str(), true, kWorkingFolder)),
      listers_{std::thread([this] { list(); }), std::thread([this] { list(); })} {}

FolderWalk::~FolderWalk() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  listerWakes_.notify_all();
  for (std::thread& lister : listers_) lister.join();
  closeFolder(root_);
}

// Folders below the root are opened relative to it, which spares the system the walk down
// the root's own path, and never through a link: a folder entry is not one, and refusing one
// guards against a folder swapped for a link after it was listed.
int FolderWalk::openRelative(const std::string& path) const {
  return root_ < 0 ? -1 : open_(path.c_str(), path.empty(), root_);
}

// A lister takes the next folder while the caller is not too far behind.
bool FolderWalk::listerCanTake() const {
  return !toList_.empty() && taken_ < handedOver_ + kWindow && readyBytes_ < kLookAhead;
}

void FolderWalk::list() {
  FolderReader reader;
  FolderEntry entry;
  for (;;) {
    std::string path;
    Listing listing;
    size_t taken;
    {
      std::unique_lock lock(mutex_);
      listerWakes_.wait(lock, [this] { return stopping_ || finished_ || listerCanTake(); });
      if (stopping_ || finished_) return;
      path = std::move(toList_.front());
      toList_.pop_front();
      taken = taken_++;
      if (listerCanTake()) listerWakes_.notify_one();  // the other lister may start too
    }
    const int fd = openRelative(path);
    reader.start(fd);
    while (reader.next(entry)) {
      if (!entry.isFolder && status_ == FileStatus::Read) {
        readEntryStatus(fd, entry.name.data(), entry);
        listing.records += kFileWithStatus;
        listing.records.append(reinterpret_cast<const char*>(&entry.size), sizeof entry.size);
        listing.records.append(reinterpret_cast<const char*>(&entry.modified), sizeof entry.modified);
      } else {
        listing.records += entry.isFolder ? kFolder : kFile;
      }
      listing.records += entry.name;
      listing.records += '\0';
      if (entry.isFolder) {
        std::string& sub = listing.found.emplace_back();
        sub.reserve(path.size() + entry.name.size() + 1);
        sub = path;
        if (!sub.empty()) sub += '/';
        sub += entry.name;
      }
    }
    closeFolder(fd);
    if (reader.failed()) listing.records += kUnreadable;
    listing.records += kFolderEnd;
    listing.done = true;
    handOver(taken, std::move(listing));
  }
}

// Listings go to the caller, and their subfolders to the queue, in the order the folders
// were taken, whichever lister finishes first.
void FolderWalk::handOver(size_t taken, Listing&& listing) {
  const std::lock_guard lock(mutex_);
  const size_t slot = taken - handedOver_;
  if (listed_.size() <= slot) listed_.resize(slot + 1);
  listed_[slot] = std::move(listing);
  const size_t readyBefore = readyBytes_;
  bool handed = false;
  while (!listed_.empty() && listed_.front().done) {
    Listing& next = listed_.front();
    for (std::string& path : next.found) toList_.push_back(std::move(path));
    pending_ += next.found.size();
    --pending_;
    readyBytes_ += next.records.size();
    ready_.push_back(std::move(next.records));
    listed_.pop_front();
    ++handedOver_;
    handed = true;
  }
  if (pending_ == 0) {
    finished_ = true;
    listerWakes_.notify_all();
    callerWakes_.notify_one();
    return;
  }
  if (handed && listerCanTake()) listerWakes_.notify_one();
  if ((readyBefore < kHandOverBytes && readyBytes_ >= kHandOverBytes) || (handed && callerWantsAny_))
    callerWakes_.notify_one();
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
  if (at_ == current_.size()) {
    std::unique_lock lock(mutex_);
    // Waking the caller for every small folder would cost more than listing it, but a slow
    // disc must not keep the caller from what is there for long.
    if (ready_.empty() &&
        !callerWakes_.wait_for(lock, kPatience, [this] { return readyBytes_ >= kHandOverBytes || finished_; })) {
      callerWantsAny_ = true;
      callerWakes_.wait(lock, [this] { return !ready_.empty() || finished_; });
      callerWantsAny_ = false;
    }
    if (ready_.empty()) {
      inFolder_ = false;
      return false;
    }
    current_ = std::move(ready_.front());
    ready_.pop_front();
    const bool listersWereHeld = readyBytes_ >= kLookAhead;
    readyBytes_ -= current_.size();
    at_ = 0;
    if (listersWereHeld) listerWakes_.notify_all();
  }
  char kind = current_[at_++];
  if (kind == kUnreadable) {
    ++unreadable_;
    kind = current_[at_++];
  }
  if (kind == kFolderEnd) {
    inFolder_ = false;
    return false;
  }
  entry.size = -1;
  entry.modified = 0;
  if (kind == kFileWithStatus) {
    std::memcpy(&entry.size, current_.data() + at_, sizeof entry.size);
    std::memcpy(&entry.modified, current_.data() + at_ + sizeof entry.size, sizeof entry.modified);
    at_ += sizeof entry.size + sizeof entry.modified;
  }
  const char* name = current_.data() + at_;
  entry.name = std::string_view(name, std::strlen(name));
  entry.isFolder = kind == kFolder;
  at_ += entry.name.size() + 1;
  if (entry.isFolder) ++foldersLeft_;
  return true;
}

}  // namespace quilmo
