#include "cli/Commands.h"

namespace quilmo::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  return commands;
}

}  // namespace quilmo::cli
