#pragma once
// What the index tells one search of each catalogue. Made once per search: the combined
// index answers for all of its catalogues at once, and a part is opened only for a
// catalogue that it does not hold as it is now.
#include <QString>
#include <memory>
#include <optional>

#include "platform/StampedFile.h"
#include "search/index/BlockLists.h"
#include "search/index/BlockTable.h"
#include "search/index/CombinedIndex.h"
#include "search/index/IndexPart.h"
#include "search/index/Trigrams.h"

namespace quilmo::search {

class SearchIndex;

class IndexLookup {
 public:
  // query must be usable and outlive the lookup, as must index.
  IndexLookup(const SearchIndex& index, const IndexQuery& query);

  struct Result {
    // Unusable: nothing to go by (noted with the index); Whole: so many blocks may hold a
    // word that reading the catalogue whole is as quick; Blocks: only these may.
    enum Outcome { Unusable, Whole, Blocks } outcome = Unusable;
    BlockTable table;
    BlockSet blocks;   // the candidates; words past its end name none
    FileStamp stamp;   // the catalogue as the index describes it
    StampedFile file;  // the catalogue, when it was opened to check its stamp
    std::unique_ptr<IndexPart> part;  // keeps a part's mapping, into which table points
    CombinedIndex::Scratch tableBytes;  // or the combined index's table, read
  };
  // Thread-safe. The result holds the catalogue opened, when it was, for reading it.
  Result find(const QString& cataloguePath) const;
  // The combined index holds the catalogue, and few of its blocks may hold a word: reading
  // them is quick, should the catalogue be as it was. Asks nothing of the file.
  bool namesFewBlocks(const QString& cataloguePath) const;
  // The words are so common in every catalogue the combined index holds that each would
  // be read whole: the search is then the plain one.
  bool tooCommon() const;

 private:
  // What the combined index, or else the catalogue's part, tells of it.
  Result fromCombined(std::uint32_t disc, const std::optional<BlockSet>* blocks) const;
  Result fromPart(const QString& cataloguePath) const;

  const SearchIndex& index_;
  const IndexQuery& query_;
  CombinedIndex combined_;
  std::optional<CombinedIndex::Answer> answer_;
};

}  // namespace quilmo::search
