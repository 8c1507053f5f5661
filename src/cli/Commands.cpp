#include "cli/Commands.h"

namespace quilmo::cli {

std::unique_ptr<Command> makeRenameCommand();
std::unique_ptr<Command> makeDeleteCommand();

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(makeRenameCommand());
  commands.push_back(makeDeleteCommand());
  return commands;
}

}  // namespace quilmo::cli
