#pragma once
// Lists a folder tree breadth first: the root's entries, then those of each folder in the
// order the folders were found, each folder's entries in the order the file system gives
// them. Two threads of its own list the next folders of the queue ahead of the caller, so
// the caller's work on the entries already read overlaps the system's work on the next
// ones; listings are handed over in queue order, whichever thread finishes first. They stay
// at most kLookAhead bytes of entries and kWindow folders ahead, so memory grows with neither
// the number of files nor of folders, only with the largest folder. Nothing is followed: a
// symbolic link is an entry that is not a folder. Depth is limited by the file system only,
// not by the longest path the system opens. A folder that cannot be read is still visited,
// with the entries read before the failure (often none), and counted.
#include <chrono>
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
  // How the folders are opened (see openFolder); a test may put some out of reach.
  using Opener = int (*)(const char* folder, bool followLink, int base);

  // Whether the listers also ask each file for its size and time (FolderEntry), which
  // costs one status call a file, made on the listers' threads.
  enum class FileStatus { Skip, Read };

  // root: a native path; it may itself be a symbolic link to the folder.
  explicit FolderWalk(std::string root, FileStatus status = FileStatus::Skip, Opener open = openFolder);
  ~FolderWalk();  // stops the threads
  FolderWalk(const FolderWalk&) = delete;
  FolderWalk& operator=(const FolderWalk&) = delete;

  // Moves to the next folder: the root first, then each folder entry given so far, in the
  // order given. False when every folder has been visited.
  bool nextFolder();
  // The next entry of the current folder; false at its end.
  bool nextEntry(FolderEntry& entry);
  // Folders visited so far that could not be read, wholly or from some entry on.
  size_t unreadableFolders() const { return unreadable_; }

  static constexpr size_t kLookAhead = 128 * 1024;
  static constexpr size_t kWindow = 64;              // folders taken but not yet handed over
  static constexpr size_t kHandOverBytes = 16 * 1024;  // the caller is woken for no less,
  static constexpr std::chrono::milliseconds kPatience{10};  // unless it has waited this long

 private:
  struct Listing {
    bool done = false;
    std::string records;             // see FolderWalk.cpp
    std::vector<std::string> found;  // the paths of its subfolders
  };

  int openRelative(const std::string& path) const;
  void list();
  bool listerCanTake() const;
  void handOver(size_t taken, Listing&& listing);

  // Shared by all threads.
  std::mutex mutex_;
  std::condition_variable listerWakes_, callerWakes_;
  std::deque<std::string> toList_;  // folders found, not yet taken, oldest first; paths
                                    // relative to the root, empty for the root itself
  size_t taken_ = 0;                // folders taken for listing, in queue order
  size_t handedOver_ = 0;           // listings handed over, in queue order
  std::deque<Listing> listed_;      // listings from handedOver_ on, some still being made
  size_t pending_ = 1;              // folders found, not yet handed over
  bool finished_ = false;           // every folder has been handed over
  std::deque<std::string> ready_;   // handed over, for the caller
  size_t readyBytes_ = 0;
  bool callerWantsAny_ = false;     // the caller has lost patience
  bool stopping_ = false;           // the caller has gone

  // The caller's.
  std::string current_;  // the listing being consumed
  size_t at_ = 0;
  size_t foldersLeft_ = 1;  // folders given as entries (and the root) not yet visited
  bool inFolder_ = false;
  size_t unreadable_ = 0;

  const FileStatus status_;
  const Opener open_;
  const int root_;  // the root folder, open for the walk's length
  std::thread listers_[2];
};

}  // namespace quilmo
