#pragma once
// The search index beside the commands that change catalogues: they bring an index the
// user made up to date once their change is done, and name what could not be indexed.
#include "cli/Command.h"
#include "search/index/SearchIndex.h"

namespace quilmo::cli {

// A catalogue as the user knows it: its path inside the data folder ("Split-9/JPG.rtf").
QString shownCatalogue(const Context& context, const QString& cataloguePath);

// Prints "quilmo-cli: NAME cannot be indexed: REASON" for each part that failed.
search::SearchIndex::Failure reportUnindexed(Context& context);

// After a change of catalogues: updates the index if the library has one. A part that
// cannot be built is no failure of the change, so the caller's exit status stands.
void keepIndexCurrent(Context& context);

}  // namespace quilmo::cli
