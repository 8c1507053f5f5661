#pragma once
// Lists a folder tree breadth first: the root's entries, then those of each folder in the
// order the folders were found, each folder's entries in the order the file system gives
// them. Two threads of its own work ahead of the caller, one opening (and closing) the
// next folders of the queue, one listing them, so the caller's work on the entries already
// read overlaps the system's work on the next ones. They stay at most kLookAhead bytes of
// entries and kOpenAhead open folders ahead, so memory does not grow with the number of
// files. Nothing is followed: a symbolic link is an entry that is not a folder. A folder
// that cannot be read is still visited, with no entries.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/FolderReader.h"

namespace quilmo {

class FolderWalk {
 public:
  // root: a native path; it may itself be a symbolic link to the folder.
  explicit FolderWalk(std::string root);
  ~FolderWalk();  // stops the threads
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  // Moves to the next folder: the root first, then each folder entry given so far, in the
  // order given. False when every folder has been visited.
  bool nextFolder();
  // The next entry of the current folder; false at its end.
  bool nextEntry(FolderEntry& entry);

  static constexpr size_t kBlockSize = 64 * 1024;
  static constexpr size_t kLookAhead = 8 * kBlockSize;
  static constexpr size_t kOpenAhead = 64;
  static constexpr size_t kOpenBatch = 4;  // opened between two hand-overs

 private:
  struct OpenFolder {
    int fd = -1;
    std::string path;  // relative to the root; empty for the root itself
  };

  int openRelative(const std::string& path) const;
  void open();
  void list();
  bool openerHasWork() const;
  bool publish(std::string& block);
  bool takeBlock();

  // Shared by the three threads.
  std::mutex mutex_;
  std::condition_variable openerWakes_, listerWakes_, callerWakes_;
  std::deque<std::string> toOpen_;  // folders found, not yet opened, oldest first
  std::deque<OpenFolder> opened_;   // opened, not yet listed, in the same order
  std::vector<int> toClose_;        // listed
  bool opening_ = false;            // the opener holds folders taken from toOpen_
  bool listed_ = false;             // the lister has listed every folder, or stopped
  std::deque<std::string> ready_;   // blocks of entries listed ahead, oldest first
  std::deque<std::string> spare_;   // emptied blocks, kept to save allocations
  bool finished_ = false;           // the lister has handed over its last block
  bool stopping_ = false;           // the caller has gone

  // The caller's.
  std::string current_;  // the block being consumed
  size_t at_ = 0;
  size_t foldersLeft_ = 1;  // folders given as entries (and the root) not yet visited
  bool inFolder_ = false;

  const int root_;  // the root folder, open for the walk's length
  std::thread opener_, lister_;
};

}  // namespace quilmo
