#pragma once
// The fast part of the catalogue reader: a scan over a whole buffer of lines that finds
// the lines which may hold one of the search words, so that the exact hit test runs on
// those lines only. A line it passes over cannot hold any word; a line it reports may.
//
// For each word it takes up to three characters of the word in capitals that a line can
// only show as one ASCII byte in either case (every ASCII character but I and S, whose
// capitals are also those of the dotless i and the long s), the rarest of one run of such
// characters so that their distances in bytes are fixed, and looks for them at those
// distances, 64 bytes at a time. A word whose capitals hold no such character but a
// non-ASCII one can only be in a line with a byte above 127; a word of neither kind (empty,
// or only I and S) makes every line a candidate.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "search/matcher/HitTest.h"

namespace quilmo::search {

class Prefilter {
 public:
  explicit Prefilter(const std::vector<SearchWord>& words);

  // Visits the candidate lines of buf, in order, as (begin, end, index): end excludes the
  // line feed, index counts lines from 0. buf holds whole lines; a last line without a line
  // feed is a line too. Returns the number of lines in buf.
  using LineVisitor = std::function<void(std::size_t begin, std::size_t end, std::size_t index)>;
  std::size_t scan(const char* buf, std::size_t len, const LineVisitor& visit) const;

  bool everyLineIsCandidate() const { return everyLine_; }

  // Every byte is compared with its 0x20 bit set, which folds the case of letters and
  // at worst lets a few control characters or a backquote through as candidates.
  // A word with fewer probe characters repeats its last one, so every probe has the same
  // shape. The vector loop compares the first two; a position where both fit is then
  // confirmed on all three.
  static constexpr int kProbeBytes = 3;
  struct Probe {
    // With the 0x20 bit set: the one nearest the word's start, then the rarest others first.
    unsigned char byte[kProbeBytes] = {};
    std::size_t offset[kProbeBytes] = {};    // from the first, so offset[0] is 0
    std::size_t reach() const { return std::max({offset[0], offset[1], offset[2]}); }
  };
  const std::vector<Probe>& probes() const { return probes_; }
  // Some word is found only in lines with a byte above 127.
  bool wantsHighBytes() const { return highBytes_; }

 private:
  bool matchesAt(const Probe& probe, const unsigned char* at) const;
  std::size_t scanEveryLine(const char* buf, std::size_t len, std::size_t from, std::size_t index,
                            const LineVisitor& visit) const;

  std::vector<Probe> probes_;
  std::size_t maxDistance_ = 0;
  bool highBytes_ = false;
  bool everyLine_ = false;
};

}  // namespace quilmo::search
