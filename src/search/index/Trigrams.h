#pragma once
// The trigrams a line offers and a word asks for, both taken from the capitals the search
// compares (HitTest's firstOccurrence): a word is in a line only when every trigram of the
// word is among the line's.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

#include "search/matcher/HitTest.h"

namespace quilmo::search {

// The line in capitals as UTF-8, as the search decodes it (bytes that are no UTF-8 read as
// U+FFFD); written into scratch, which the result points into.
QByteArrayView lineCapitals(QByteArrayView line, QByteArray& scratch);

// The trigram keys of each word of a search, every one: a block holds the word only when
// it holds them all, and the overlapping ones rule out far more blocks of file names full
// of digits than the trigrams side by side would (the combined index orders the look-ups
// rarest first, so that each later one has few catalogues left to look at).
class IndexQuery {
 public:
  explicit IndexQuery(const std::vector<SearchWord>& words);

  // False when some word is shorter than a trigram (it may be in any line) or holds half
  // of a surrogate pair (which has no UTF-8); the index then cannot answer.
  bool usable() const { return usable_; }
  const std::vector<std::vector<std::uint32_t>>& wordKeys() const { return keys_; }

 private:
  std::vector<std::vector<std::uint32_t>> keys_;
  bool usable_ = true;
};

}  // namespace quilmo::search
