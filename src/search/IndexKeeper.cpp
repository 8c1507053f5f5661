#include "search/IndexKeeper.h"

#include "search/index/SearchIndex.h"

namespace quilmo::search {

IndexKeeper::IndexKeeper() : worker_([this] { work(); }) {}

IndexKeeper::~IndexKeeper() {
  {
    std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

void IndexKeeper::request(const QString& dataPath) {
  {
    std::lock_guard lock(mutex_);
    if (pending_.contains(dataPath)) return;
    pending_ += dataPath;
  }
  wake_.notify_one();
}

void IndexKeeper::afterSearch(std::shared_ptr<SearchIndex> searched) {
  {
    std::lock_guard lock(mutex_);
    searched_.push_back(std::move(searched));
  }
  wake_.notify_one();
}

void IndexKeeper::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_.isEmpty() && searched_.empty() && !updating_; });
}

void IndexKeeper::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return ending_ || !pending_.isEmpty() || !searched_.empty(); });
    if (pending_.isEmpty() && searched_.empty()) return;  // ending, with nothing left to do
    std::shared_ptr<SearchIndex> searched;
    QString dataPath;
    if (!searched_.empty()) {
      searched = std::move(searched_.front());
      searched_.erase(searched_.begin());
    } else {
      dataPath = pending_.takeFirst();
    }
    updating_ = true;
    lock.unlock();
    // A part that cannot be built only means its catalogue is read whole; `quilmo-cli
    // index` names it.
    if (searched) searched->updateAfterSearch();
    else SearchIndex(dataPath).update();
    lock.lock();
    updating_ = false;
    if (pending_.isEmpty() && searched_.empty()) idle_.notify_all();
  }
}

}  // namespace quilmo::search
