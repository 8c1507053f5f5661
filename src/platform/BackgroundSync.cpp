#include "platform/BackgroundSync.h"

#include <cerrno>

#include "platform/FileCalls.h"

namespace quilmo {

BackgroundSync::BackgroundSync(int fd) : fd_(fd), thread_([this] { run(); }) {}

BackgroundSync::~BackgroundSync() { finish(); }

void BackgroundSync::request() {
  {
    const std::lock_guard lock(mutex_);
    requested_ = true;
  }
  wake_.notify_one();
}

int BackgroundSync::finish() {
  {
    const std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
  return error_;
}

void BackgroundSync::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return requested_ || finishing_; });
    // What is left at the finish is the final sync's to do.
    if (finishing_) return;
    requested_ = false;
    lock.unlock();
    const bool synced = FileCalls::syncData(fd_);
    const int error = errno;
    lock.lock();
    if (!synced && !error_) error_ = error;
  }
}

}  // namespace quilmo
