#pragma once
// Syncs a file that is still being written, on a thread of its own, each time more of it
// has been written. The sync at the end of the file then waits for its last part only:
// on a disk behind a write cache, as a virtual machine's is, one final sync of a large
// file waits for all of it at once.
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quilmo {

class BackgroundSync {
 public:
  explicit BackgroundSync(int fd);
  ~BackgroundSync();  // finish()
  BackgroundSync(const BackgroundSync&) = delete;
  BackgroundSync& operator=(const BackgroundSync&) = delete;

  // Asks for what was written so far to be synced; one asked for during a sync follows it.
  void request();
  // Waits for the sync under way, if any, and ends the thread. The errno of the first sync
  // that failed, else 0: a failure is reported once only, so the final sync may not see it.
  int finish();

 private:
  void run();

  const int fd_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool requested_ = false;
  bool finishing_ = false;
  int error_ = 0;
  std::thread thread_;
};

}  // namespace quilmo
