#pragma once
// The global search across discs: every line of every queued catalogue is tested against
// every word, in queue order, and the lines that pass become hit lines
// "*" + source + "* " + line. Counting, duplicates and the file-type test follow the
// rules of the window's "Find Global"; the window drives it through a SearchListener.
//
// Threads: the catalogues are read and pre-matched on worker threads (ReadAhead); every
// option, duplicate and counter decision, and every listener call, happens on the thread
// that called run(), in the order a one-line-at-a-time search would make them.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "search/matcher/HitLines.h"

namespace quilmo::search {

class SearchIndex;

// The check boxes of the search panel and the selected file types.
struct SearchOptions {
  bool caseOn = false;             // CaseON "Case sensitive"
  bool wordOnly = false;           // WordOnly "Word ONLY"
  bool autoRemoveDoubles = false;  // AutDub "Auto-remove double filenames"
  QStringList selectedTypes;       // selected rows of ExtLys, as stored
};

struct SearchSource {
  QString name;  // the disc name, or the file type of a split-file search
  QString path;  // its catalogue file
};

struct SearchCounters {
  qint64 scanCount = 0;  // ScanCount: (line, word) pairs examined so far
  qint64 discHits = 0;   // DiscHits: hits from the source being read
  qint64 hitCount = 0;   // hit lines so far (LinkTel)
};

// Which lines of a source may give hits, by their number in its file (from 0); an empty
// filter keeps every line.
using LineFilter = std::function<bool(qint64 line)>;

// What the listener answers at each point it is told about: the search goes on, or ends
// there (after the word in hand, when told of a hit).
enum class Flow { Continue, Stop };

// What the window (or any caller) hears and decides while a search runs. Every call comes
// on the thread that called GlobalSearch::run. A call that returns Flow is the listener's
// chance to end the search; nothing is polled in between.
class SearchListener {
 public:
  virtual ~SearchListener() = default;

  // Read afresh before each test of a word found in a line, so ticking a box or selecting
  // a type during a run takes effect at the next test. Keep the object in the listener and
  // update it when a control changes (the engine only reads it, on this thread).
  virtual const SearchOptions& options() = 0;
  // Whether the calling thread may read catalogues itself while it waits for the readers;
  // a window thread may not, as a slow disc would hold up its events.
  virtual bool callerMayRead() const { return true; }

  // "Searching " + source + "....": a source is about to be read.
  virtual Flow sourceStarted(const QString& /*source*/) { return Flow::Continue; }
  // The lines of the source just started that may give hits, asked once per source. A line
  // kept out is never tested, so it adds no hit and counts for no duplicate, while the
  // scan counter still counts it as examined.
  virtual LineFilter lineFilter(const SearchSource& /*source*/) { return {}; }
  // A hit line (UTF-8, without line end) was added; counters include it.
  virtual Flow hitAdded(QByteArrayView hitLine, const SearchCounters& counters) = 0;
  // Comes between blocks of a catalogue (a block is about a millisecond of work) and every
  // few milliseconds while the search waits for its readers, hits or not.
  virtual Flow progress() { return Flow::Continue; }
  // A block of the quick report's bytes (HitLines::reportBlocks) is complete: the hit
  // just added went to a new one. Lets the report be written while the search runs.
  virtual void reportBlockFilled(QByteArrayView /*block*/) {}
  // A source was read to its end, or found missing (TelSoek = groupedOrEmpty(scanCount)).
  virtual Flow sourceFinished(const QString& /*source*/, const SearchCounters&) { return Flow::Continue; }
  // The first and the second error of a run (the third abandons it): the system's error
  // number, the system's text and the path. The search goes on with the next source.
  virtual void errorOccurred(int /*number*/, const QString& /*text*/, const QString& /*path*/) {}
};

struct SearchOutcome {
  HitLines hits;               // in the order found
  qint64 scanCount = 0;        // ScanCount when the search ended
  bool stopped = false;        // ended by a stop request
  bool abandoned = false;      // ended by the third error: write no report
  int errors = 0;
  QStringList missing;         // the sources whose catalogue file does not exist, in queue order
};

class GlobalSearch {
 public:
  // words: the word list (XTL); sources in queue order; splitFileSearch: the sources are
  // per-type files, so the file-type test is skipped.
  GlobalSearch(QStringList words, std::vector<SearchSource> sources, bool splitFileSearch);

  // Lets the search read through the data folder's index (kept by the caller, alive
  // through run()); the outcome is the same, only sooner.
  void useIndex(const SearchIndex* index) { index_ = index; }

  SearchOutcome run(SearchListener& listener) const;

  static constexpr int kErrorsThatAbandon = 3;

 private:
  QStringList words_;
  std::vector<SearchSource> sources_;
  bool splitFileSearch_;
  const SearchIndex* index_ = nullptr;
};

}  // namespace quilmo::search
