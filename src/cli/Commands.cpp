#include "cli/Commands.h"

#include "cli/SearchCommand.h"

namespace quilmo::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(std::make_unique<SearchCommand>());
  return commands;
}

}  // namespace quilmo::cli
