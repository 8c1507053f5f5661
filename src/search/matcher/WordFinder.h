#pragma once
// Finds the first position of every search word in a candidate line in capitals, all words
// in one pass over the line, 64 bytes at a time. The line must be followed by kSlack bytes
// that may be read (their values do not matter): the step reads past the line's end rather
// than taking its last bytes one at a time.
#include <QByteArrayView>
#include <vector>

#include "search/matcher/HitTest.h"

namespace quilmo::search {

class WordFinder {
 public:
  explicit WordFinder(const std::vector<SearchWord>& words);

  static constexpr qsizetype kSlack = 64;

  // Appends, for each word, its first position in capitals (a-z already as A-Z) or -1 (a
  // word whose capitals are not ASCII is in no such line); true when any word is there.
  bool find(QByteArrayView capitals, std::vector<qsizetype>& positions) const;

  // A word's capitals as bytes.
  struct Needle {
    QByteArray bytes;
    bool present = true;  // the capitals are ASCII
  };

 private:
  std::vector<Needle> needles_;
};

}  // namespace quilmo::search
