#include "search/index/IndexLookup.h"

#include <QFileInfo>

#include "platform/FileStamp.h"
#include "search/index/SearchIndex.h"

namespace quilmo::search {

IndexLookup::IndexLookup(const SearchIndex& index, const IndexQuery& query)
    : index_(index), query_(query), combined_(index.combinedPath()) {
  if (combined_.usable()) answer_ = combined_.answer(query, index.indexedShare());
}

IndexLookup::Result IndexLookup::find(const QString& cataloguePath) const {
  const QString name = index_.nameOf(cataloguePath);
  if (name.isEmpty()) return {};
  if (const auto disc = combined_.usable() ? combined_.discOf(name) : std::nullopt;
      disc && fileStamp(cataloguePath) == combined_.stampOf(*disc)) {
    const auto table = answer_ ? combined_.tableOf(*disc) : std::nullopt;
    if (!table) {
      index_.noteCombinedDamaged();
      return {};
    }
    const std::optional<BlockSet>& blocks = (*answer_)[*disc];
    if (!blocks) return {Result::Whole};
    Result result{Result::Blocks, *table, *blocks};
    result.blocks.resize((std::size_t(table->blocks) + 63) / 64);  // none named: an empty set
    return result;
  }
  auto part = std::make_unique<IndexPart>(index_.partPath(cataloguePath), cataloguePath);
  if (part->state() != PartState::Fresh) {
    if (QFileInfo(cataloguePath).isFile()) index_.noteUnusable(cataloguePath);
    return {};
  }
  IndexPart::Candidates found = part->candidates(query_, index_.indexedShare());
  if (found.outcome == IndexPart::Candidates::Damaged) index_.noteUnusable(cataloguePath);
  if (found.outcome != IndexPart::Candidates::Found) return {found.outcome == IndexPart::Candidates::TooMany ? Result::Whole : Result::Unusable};
  const BlockTable table = part->table();
  return {Result::Blocks, table, std::move(found.blocks), std::move(part)};
}

}  // namespace quilmo::search
