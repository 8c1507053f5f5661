#include "search/index/IndexLookup.h"

#include <QFileInfo>

#include "platform/FileStamp.h"
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

IndexLookup::Result IndexLookup::find(const QString& cataloguePath) const {
  const QString name = index_.nameOf(cataloguePath);
  if (name.isEmpty()) return {};
  if (const auto disc = combined_.usable() ? combined_.discOf(name) : std::nullopt;
      disc && fileStamp(cataloguePath) == combined_.stampOf(*disc)) {
    const std::optional<BlockSet>* blocks = answer_ ? &(*answer_)[*disc] : nullptr;
    if (blocks && !*blocks) return only(Result::Whole);
    // None named: an empty set, and a table that is never read.
    const auto table = blocks && (*blocks)->empty() ? combined_.extentOf(*disc) : combined_.tableOf(*disc);
    if (!blocks || !table) {
      index_.noteCombinedDamaged();
      return {};
    }
    Result result = only(Result::Blocks);
    result.table = *table;
    result.blocks = **blocks;
    result.blocks.resize((std::size_t(table->blocks) + 63) / 64);
    return result;
  }
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
  result.blocks = std::move(found.blocks);
  result.part = std::move(part);
  return result;
}

}  // namespace quilmo::search
