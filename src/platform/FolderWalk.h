#pragma once
// Lists a folder tree breadth first: the root's entries, then those of each folder in the
// order the folders were found, each folder's entries in the order the file system gives
// them. A thread of its own reads the next folders ahead while the caller works on the
// entries already read, at most kLookAhead bytes of entries ahead, so memory does not grow
// with the number of files. Nothing is followed: a symbolic link is an entry that is not a
// folder. A folder that cannot be read is still visited, with no entries.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "platform/FolderReader.h"

namespace quilmo {

class FolderWalk {
 public:
  // root: a native path; it may itself be a symbolic link to the folder.
  explicit FolderWalk(std::string root);
  ~FolderWalk();  // stops the reading thread
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  // Moves to the next folder: the root first, then each folder entry given so far, in the
  // order given. False when every folder has been visited.
  bool nextFolder();
  // The next entry of the current folder; false at its end.
  bool nextEntry(FolderEntry& entry);

  static constexpr size_t kBlockSize = 64 * 1024;
  static constexpr size_t kLookAhead = 8 * kBlockSize;

 private:
  void read(std::string root);
  bool publish(std::string& block);
  bool takeBlock();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> ready_;  // blocks of entries read ahead, oldest first
  std::deque<std::string> spare_;  // emptied blocks, kept to save allocations
  bool finished_ = false;          // the reader has published its last block
  bool stopping_ = false;          // the caller has gone

  std::string current_;  // the block being consumed
  size_t at_ = 0;
  size_t foldersLeft_ = 1;  // folders given as entries (and the root) not yet visited
  bool inFolder_ = false;

  std::thread reader_;
};

}  // namespace quilmo
