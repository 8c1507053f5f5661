#pragma once
// Keeps the search index of a library current after the window changed its catalogues,
// without the window waiting: SearchIndex::update() runs on a thread of its own. Requests
// that arrive while an update runs make one more update of their library once it ends,
// so a burst of changes costs at most two. A library without an index gets none.
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quilmo::search {

class SearchIndex;

class IndexKeeper {
 public:
  IndexKeeper();
  // Finishes the updates asked for, so a change made just before the window closed is
  // indexed too, then ends the thread.
  ~IndexKeeper();
  IndexKeeper(const IndexKeeper&) = delete;
  IndexKeeper& operator=(const IndexKeeper&) = delete;

  // The catalogues of the library at dataPath changed.
  void request(const QString& dataPath);
  // A search read through this index and may have noted catalogues it could not read
  // through it: they are indexed (SearchIndex::updateAfterSearch).
  void afterSearch(std::shared_ptr<SearchIndex> searched);
  // Waits until every update asked for so far has ended.
  void waitUntilIdle();

 private:
  void work();

  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  QStringList pending_;  // data folders, each once, in the order asked
  std::vector<std::shared_ptr<SearchIndex>> searched_;
  bool updating_ = false, ending_ = false;
  std::thread worker_;  // last: starts once the rest is ready
};

}  // namespace quilmo::search
