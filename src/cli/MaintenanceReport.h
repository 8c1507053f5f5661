#pragma once
// The exit of a rename or delete whose failed file steps did not stop it.
#include "cli/Command.h"
#include "library/DiscMaintenance.h"

namespace quilmo::cli {

// Ok when nothing failed; otherwise one line naming every failed step, and Failure.
int reportStepErrors(Context& context, const library::MaintenanceResult& result);

}  // namespace quilmo::cli
