#pragma once
// The end of a rename, delete or undo that went ahead: failed file steps did not stop it.
#include "cli/Command.h"
#include "library/DiscMaintenance.h"

namespace quilmo::cli {

// Ok when nothing failed; otherwise one line naming every failed step, and Failure. Then
// the search index, if the library has one, follows the change.
int finishMaintenance(Context& context, const library::MaintenanceResult& result);

}  // namespace quilmo::cli
