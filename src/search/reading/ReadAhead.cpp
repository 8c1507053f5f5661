#include "search/reading/ReadAhead.h"

#include <QFileInfo>
#include <algorithm>
#include <chrono>

namespace quilmo::search {

ReadAhead::ReadAhead(const CatalogueReader& reader, QStringList paths, bool callerReads)
    : reader_(reader), paths_(std::move(paths)), callerReads_(callerReads) {
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
  keepSpare(std::move(piece));
}

void ReadAhead::keepSpare(ReadPiece&& piece) {
  if (spare_.size() < kSpare) spare_.push_back(std::move(piece));
}

ReadPiece ReadAhead::takeSpare() {
  if (spare_.empty()) return {};
  ReadPiece piece = std::move(spare_.back());
  spare_.pop_back();
  piece.clear();
  return piece;
}

int ReadAhead::workerCount(bool callerReads) {
  return std::clamp(int(std::thread::hardware_concurrency()) - (callerReads ? 1 : 0), 1, 8);
}

void ReadAhead::work() {
  for (;;) {
    int file;
    {
      std::unique_lock lock(mutex_);
      consumed_.wait(lock, [&] {
        return cancelled_ || nextFile_ >= paths_.size() || (nextFile_ < consuming_ + kFilesAhead && linePieces_ < kLinePieces);
      });
      if (cancelled_ || nextFile_ >= paths_.size()) return;
      file = nextFile_++;
    }
    read(file, true);
  }
}

void ReadAhead::read(int file, bool waitForRoom) {
  // Fresh memory costs a page fault per page; a consumed piece's memory is already there.
  ReadPiece piece;
  {
    std::lock_guard lock(mutex_);
    piece = takeSpare();
  }
  reader_.read(paths_[file], piece, [&](ReadPiece& full) {
    std::unique_lock lock(mutex_);
    auto& queue = queueOf(file);
    if (waitForRoom) consumed_.wait(lock, [&] { return cancelled_ || roomFor(file); });
    if (cancelled_) return false;
    queue.push_back(std::move(full));
    linePieces_ += holdsLines(queue.back());
    full = takeSpare();
    if (waitForRoom) produced_.notify_all();
    return true;
  });
  std::lock_guard lock(mutex_);
  keepSpare(std::move(piece));
}

bool ReadAhead::roomFor(int file) const {
  // The file being consumed always has room: its pieces are what frees the others'.
  return queues_[std::size_t(file % kFilesAhead)].size() < kPiecesAhead && (file == consuming_ || linePieces_ < kLinePieces);
}

int ReadAhead::fileToHelpWith() {
  if (!callerReads_ || nextFile_ >= paths_.size() || nextFile_ >= consuming_ + kFilesAhead) return -1;
  const QString& path = paths_[nextFile_];
  if (!reader_.readsFewBlocks(path) && QFileInfo(path).size() > kHelpLimit) return -1;
  return nextFile_++;
}

bool ReadAhead::next(int fileIndex, ReadPiece& piece, const std::function<bool()>& whileWaiting) {
  std::unique_lock lock(mutex_);
  if (consuming_ != fileIndex) {
    consuming_ = fileIndex;
    consumed_.notify_all();
  }
  auto& queue = queueOf(fileIndex);
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
  queue.erase(queue.begin());
  linePieces_ -= holdsLines(piece);
  consumed_.notify_all();
  return true;
}

}  // namespace quilmo::search
