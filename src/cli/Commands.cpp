#include "cli/Commands.h"

#include "cli/CreateCommand.h"
#include "cli/ListCommand.h"
#include "cli/SearchCommand.h"
#include "cli/ShowCommand.h"

namespace quilmo::cli {

std::unique_ptr<Command> makeRenameCommand();
std::unique_ptr<Command> makeDeleteCommand();

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(std::make_unique<CreateCommand>());
  commands.push_back(std::make_unique<ListCommand>());
  commands.push_back(std::make_unique<ShowCommand>());
  commands.push_back(std::make_unique<SearchCommand>());
  commands.push_back(makeRenameCommand());
  commands.push_back(makeDeleteCommand());
  return commands;
}

}  // namespace quilmo::cli
