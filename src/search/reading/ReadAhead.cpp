#include "search/reading/ReadAhead.h"

#include <QFileInfo>
#include <algorithm>
#include <chrono>

namespace quilmo::search {

ReadAhead::ReadAhead(const CatalogueReader& reader, QStringList paths, bool callerReads)
    : reader_(reader), paths_(std::move(paths)), callerReads_(callerReads), queues_(std::size_t(paths_.size())) {
  const int count = std::min(workerCount(callerReads), int(paths_.size()));
  for (int i = 0; i < count; ++i) workers_.emplace_back([this] { work(); });
}

ReadAhead::~ReadAhead() {
  {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
  }
  consumed_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ReadAhead::recycle(ReadPiece&& piece) {
  std::lock_guard lock(mutex_);
  if (spare_.size() < kSpare) spare_.push_back(std::move(piece));
}

int ReadAhead::workerCount(bool callerReads) {
  return std::clamp(int(std::thread::hardware_concurrency()) - (callerReads ? 1 : 0), 1, 8);
}

void ReadAhead::work() {
  for (;;) {
    int file;
    {
      std::unique_lock lock(mutex_);
      consumed_.wait(lock, [&] { return cancelled_ || nextFile_ >= paths_.size() || nextFile_ < consuming_ + kFilesAhead; });
      if (cancelled_ || nextFile_ >= paths_.size()) return;
      file = nextFile_++;
    }
    read(file, true);
  }
}

void ReadAhead::read(int file, bool waitForRoom) {
  reader_.read(paths_[file], [&](ReadPiece& piece) {
    std::unique_lock lock(mutex_);
    auto& queue = queues_[std::size_t(file)];
    if (waitForRoom) consumed_.wait(lock, [&] { return cancelled_ || queue.size() < kPiecesAhead; });
    if (cancelled_) return false;
    queue.push_back(std::move(piece));
    piece = ReadPiece();
    if (!spare_.empty()) {
      piece = std::move(spare_.back());
      spare_.pop_back();
    }
    if (waitForRoom) produced_.notify_all();
    return true;
  });
}

int ReadAhead::fileToHelpWith() {
  if (!callerReads_ || nextFile_ >= paths_.size() || nextFile_ >= consuming_ + kFilesAhead) return -1;
  if (QFileInfo(paths_[nextFile_]).size() > kHelpLimit) return -1;
  return nextFile_++;
}

bool ReadAhead::next(int fileIndex, ReadPiece& piece, const std::function<bool()>& whileWaiting) {
  std::unique_lock lock(mutex_);
  if (consuming_ != fileIndex) {
    consuming_ = fileIndex;
    consumed_.notify_all();
  }
  auto& queue = queues_[std::size_t(fileIndex)];
  while (queue.empty()) {
    if (const int file = fileToHelpWith(); file >= 0) {
      lock.unlock();
      read(file, false);
      const bool goOn = whileWaiting();
      lock.lock();
      if (!goOn) return false;
      continue;
    }
    if (produced_.wait_for(lock, std::chrono::milliseconds(5)) == std::cv_status::timeout || queue.empty()) {
      lock.unlock();
      const bool goOn = whileWaiting();
      lock.lock();
      if (!goOn) return false;
    }
  }
  piece = std::move(queue.front());
  queue.pop_front();
  consumed_.notify_all();
  return true;
}

}  // namespace quilmo::search
