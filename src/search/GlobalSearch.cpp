#include "search/GlobalSearch.h"

#include "platform/TextCase.h"
#include "search/matcher/Duplicates.h"
#include "search/reading/CatalogueReader.h"
#include "search/reading/ReadAhead.h"

namespace quilmo::search {

namespace {

// The state of one run, on the caller's thread.
class Run {
 public:
  Run(SearchListener& listener, const std::vector<SearchWord>& words, bool splitFileSearch)
      : listener_(listener), words_(words), split_(splitFileSearch) {}

  // Reads every source in order; returns when done, stopped or abandoned.
  void readAll(const std::vector<SearchSource>& sources, ReadAhead& ahead) {
    for (int s = 0; s < int(sources.size()); ++s) {
      const SearchSource& source = sources[std::size_t(s)];
      counters_.discHits = 0;
      sourceUtf8_ = source.name.toUtf8();
      keyStart_ = keyStart(sourceUtf8_);
      if (stops(listener_.sourceStarted(source.name))) return;
      lineFilter_ = listener_.lineFilter(source);
      if (!readSource(source, s, ahead)) return;
      if (stops(listener_.sourceFinished(source.name, counters_))) return;
    }
  }

  SearchOutcome finish() {
    outcome_.scanCount = counters_.scanCount;
    return std::move(outcome_);
  }

 private:
  // Records a listener's wish to end the search.
  bool stops(Flow flow) {
    if (flow == Flow::Stop) outcome_.stopped = true;
    return outcome_.stopped;
  }

  // False when the search ends inside this source.
  bool readSource(const SearchSource& source, int index, ReadAhead& ahead) {
    const qint64 pairsPerLine = qint64(words_.size());
    const qint64 scanBefore = counters_.scanCount;
    qint64 linesDone = 0;
    auto waiting = [&] { return !stops(listener_.progress()); };
    for (bool last = false; !last;) {
      ReadPiece piece;
      if (!ahead.next(index, piece, waiting)) return false;
      last = piece.last;
      if (piece.missing) {
        outcome_.missing += source.name;
        break;
      }
      if (piece.error) {
        if (++outcome_.errors >= GlobalSearch::kErrorsThatAbandon) {
          outcome_.abandoned = true;
          return false;
        }
        listener_.errorOccurred(piece.error, piece.errorText, source.path);
        break;
      }
      for (std::size_t c = 0; c < piece.lines.size(); ++c) {
        const CandidateLine& candidate = piece.lines[c];
        if (c + kPrefetchAhead < piece.lines.size()) duplicates_.prefetch(piece.key(piece.lines[c + kPrefetchAhead]));
        if (c + 2 * kPrefetchAhead < piece.lines.size()) __builtin_prefetch(&piece.lines[c + 2 * kPrefetchAhead]);
        if (lineFilter_ && !lineFilter_(candidate.index)) continue;
        const LineText line = piece.line(candidate);
        const LineKey key = piece.key(candidate);
        const qint64 pairsBefore = scanBefore + candidate.index * pairsPerLine;
        for (qsizetype w = 0; w < qsizetype(words_.size()); ++w) {
          const qsizetype at = piece.positions[std::size_t(candidate.firstAt + w)];
          if (at < 0) continue;
          counters_.scanCount = pairsBefore + w + 1;
          if (stops(test(line, key, words_[std::size_t(w)], at))) return false;
        }
        counters_.scanCount = pairsBefore + pairsPerLine;
      }
      linesDone += piece.lineCount;
      counters_.scanCount = scanBefore + linesDone * pairsPerLine;
      ahead.recycle(std::move(piece));
      // A block without a single hit still lets the listener in (a block is ~1 ms).
      if (!last && stops(listener_.progress())) return false;
    }
    return true;
  }

  // The option steps of the hit test for a word found at `at`; a hit is added and its
  // listener's answer returned.
  Flow test(const LineText& line, const LineKey& key, const SearchWord& word, qsizetype at) {
    const SearchOptions& options = listener_.options();
    if (options.caseOn && !passesCase(line, word, at)) return Flow::Continue;
    if (options.wordOnly && !passesWordOnly(line, word, at)) return Flow::Continue;
    const bool typeTest = !split_ && !options.selectedTypes.isEmpty();
    if (options.autoRemoveDoubles) {
      const QStringView fileName = fileNamePart(line.text());
      if (!upperCased(fileName).contains(word.upper())) return Flow::Continue;
      if (typeTest && !passesFileType(fileName, options.selectedTypes)) return Flow::Continue;
      if (!duplicates_.addFileName(fileName)) return Flow::Continue;
    } else {
      if (duplicates_.lineListed(key)) return Flow::Continue;
      if (typeTest && !passesFileType(line.text(), options.selectedTypes)) return Flow::Continue;
    }
    return add(line, key);
  }

  Flow add(const LineText& line, const LineKey& key) {
    const std::size_t blocks = outcome_.hits.reportBlocks().size();
    outcome_.hits.add(sourceUtf8_, line.bytes());
    if (blocks > 0 && outcome_.hits.reportBlocks().size() > blocks)
      listener_.reportBlockFilled(outcome_.hits.reportBlocks()[blocks - 1]);
    duplicates_.addHit(outcome_.hits.size() - 1, keyStart_, key, line.isAscii());
    ++counters_.discHits;
    counters_.hitCount = outcome_.hits.size();
    return listener_.hitAdded(outcome_.hits.at(outcome_.hits.size() - 1), counters_);
  }

  static constexpr std::size_t kPrefetchAhead = 8;  // candidate lines

  SearchListener& listener_;
  const std::vector<SearchWord>& words_;
  const bool split_;
  SearchCounters counters_;
  SearchOutcome outcome_;
  LineFilter lineFilter_;  // of the source being read
  QByteArray sourceUtf8_;  // the name of the source being read
  qsizetype keyStart_ = 0;  // and where the duplicate key begins in its hit lines
  Duplicates duplicates_{outcome_.hits};
};

}  // namespace

GlobalSearch::GlobalSearch(QStringList words, std::vector<SearchSource> sources, bool splitFileSearch)
    : words_(std::move(words)), sources_(std::move(sources)), splitFileSearch_(splitFileSearch) {}

SearchOutcome GlobalSearch::run(SearchListener& listener) const {
  std::vector<SearchWord> words;
  for (const QString& w : words_) words.emplace_back(w);
  const CatalogueReader reader(words, index_);
  QStringList paths;
  for (const SearchSource& source : sources_) paths += source.path;
  Run run(listener, words, splitFileSearch_);
  {
    ReadAhead ahead(reader, paths, listener.callerMayRead());
    run.readAll(sources_, ahead);
  }
  return run.finish();
}

}  // namespace quilmo::search
