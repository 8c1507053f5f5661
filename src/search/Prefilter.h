#pragma once
// The fast part of the catalogue reader: a scan over a whole buffer of lines that finds
// the lines which may hold one of the search words, so that the exact hit test runs on
// those lines only. A line it passes over cannot hold any word; a line it reports may.
//
// For each word it takes up to three characters of the word in capitals that a line can
// only show as the same ASCII byte in either case (every ASCII character but I and S,
// whose capitals are also the capitals of the dotless i and the long s), the rarest of
// one run of such characters so that their distances in bytes are fixed, and looks for
// all of them at those distances, 64 bytes at a time. A word without such a character (empty, or all non-ASCII)
// makes every line a candidate.
#include <cstddef>
#include <functional>
#include <vector>

#include "search/HitTest.h"

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
  static constexpr int kProbeBytes = 3;
  static constexpr int kMaxReach = 15;  // probed bytes of a word lie within 16 bytes
  struct Check {
    unsigned char byte = 0;  // with the 0x20 bit set
    unsigned char load = 0;  // index into loadOffsets()
  };
  struct Probe {
    int count = 0;  // bytes checked, 1 to kProbeBytes
    Check check[kProbeBytes];
    std::size_t reach = 0;  // distance of the last probed byte from the first
  };
  const std::vector<Probe>& probes() const { return probes_; }
  const std::vector<std::size_t>& loadOffsets() const { return loadOffsets_; }

 private:
  bool matchesAt(const Probe& probe, const unsigned char* at) const;
  std::size_t scanEveryLine(const char* buf, std::size_t len, std::size_t from, std::size_t index,
                            const LineVisitor& visit) const;

  std::vector<Probe> probes_;
  std::vector<std::size_t> loadOffsets_;  // distinct distances of probed bytes from a word's first
  std::size_t maxDistance_ = 0;
  bool everyLine_ = false;
};

}  // namespace quilmo::search
