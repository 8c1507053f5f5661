#pragma once
#include <memory>
#include <vector>

#include "cli/Command.h"

namespace quilmo::cli {

// Every command of quilmo-cli, in the order --help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

}  // namespace quilmo::cli
