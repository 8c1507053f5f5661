#include "search/index/IndexLookup.h"

#include <QFileInfo>
#include <algorithm>

#include "search/index/SearchIndex.h"

namespace quilmo::search {

namespace {

IndexLookup::Result only(IndexLookup::Result::Outcome outcome) {
  IndexLookup::Result result;
  result.outcome = outcome;
  return result;
}

}  // namespace

IndexLookup::IndexLookup(const SearchIndex& index, const IndexQuery& query)
    : index_(index), query_(query), combined_(index.combinedPath()) {
  if (combined_.usable()) answer_ = combined_.answer(query, index.indexedShare());
}

bool IndexLookup::namesFewBlocks(const QString& cataloguePath) const {
  const auto disc = answer_ ? combined_.discOf(index_.nameOf(cataloguePath)) : std::nullopt;
  return disc && (*answer_)[*disc].has_value();
}

bool IndexLookup::tooCommon() const {
  return answer_ && !answer_->empty() &&
         std::none_of(answer_->begin(), answer_->end(), [](const std::optional<BlockSet>& blocks) { return blocks.has_value(); });
}

IndexLookup::Result IndexLookup::find(const QString& cataloguePath) const {
  const QString name = index_.nameOf(cataloguePath);
  if (name.isEmpty()) return {};
  const auto disc = combined_.usable() ? combined_.discOf(name) : std::nullopt;
  const std::optional<BlockSet>* blocks = disc && answer_ ? &(*answer_)[*disc] : nullptr;
  // A catalogue that is to be read, in part or whole, is opened at once and its stamp
  // taken from the open file; one with no block to read is only asked for its stamp.
  const bool readsNothing = blocks && *blocks && (*blocks)->empty();
  StampedFile file = disc && !readsNothing ? StampedFile(cataloguePath) : StampedFile();
  Result result = disc && (readsNothing ? fileStamp(cataloguePath) : file.stamp()) == combined_.stampOf(*disc)
                      ? fromCombined(*disc, blocks)
                      : fromPart(cataloguePath);
  result.file = std::move(file);
  return result;
}

IndexLookup::Result IndexLookup::fromCombined(std::uint32_t disc, const std::optional<BlockSet>* blocks) const {
  if (blocks && !*blocks) return only(Result::Whole);
  // None named: an empty set, and a table that is never read.
  CombinedIndex::Scratch tableBytes;
  const auto table = blocks && (*blocks)->empty() ? combined_.extentOf(disc) : combined_.tableOf(disc, tableBytes);
  if (!blocks || !table) {
    index_.noteCombinedDamaged();
    return {};
  }
  Result result = only(Result::Blocks);
  result.table = *table;
  result.blocks = **blocks;
  result.stamp = combined_.stampOf(disc);
  result.tableBytes = std::move(tableBytes);
  return result;
}

IndexLookup::Result IndexLookup::fromPart(const QString& cataloguePath) const {
  auto part = std::make_unique<IndexPart>(index_.partPath(cataloguePath), cataloguePath);
  if (part->state() != PartState::Fresh) {
    if (QFileInfo(cataloguePath).isFile()) index_.noteUnusable(cataloguePath);
    return {};
  }
  IndexPart::Candidates found = part->candidates(query_, index_.indexedShare());
  if (found.outcome == IndexPart::Candidates::Damaged) index_.noteUnusable(cataloguePath);
  if (found.outcome != IndexPart::Candidates::Found)
    return only(found.outcome == IndexPart::Candidates::TooMany ? Result::Whole : Result::Unusable);
  Result result = only(Result::Blocks);
  result.table = part->table();
  result.stamp = part->catalogueStamp();
  result.blocks = std::move(found.blocks);
  result.part = std::move(part);
  return result;
}

}  // namespace quilmo::search
