#pragma once
#include <memory>
#include <vector>

#include "cli/Command.h"

namespace quilmo::cli {

// One factory per command, each in the command's own file.
std::unique_ptr<Command> makeCreateCommand();
std::unique_ptr<Command> makeListCommand();
std::unique_ptr<Command> makeShowCommand();
std::unique_ptr<Command> makeInfoCommand();
std::unique_ptr<Command> makeNoteCommand();
std::unique_ptr<Command> makeSearchCommand();
std::unique_ptr<Command> makeExportCommand();
std::unique_ptr<Command> makeIndexCommand();
std::unique_ptr<Command> makeRenameCommand();
std::unique_ptr<Command> makeDeleteCommand();
std::unique_ptr<Command> makeUndoCommand();
std::unique_ptr<Command> makeHelpCommand();

// Every command of quilmo-cli, in the order the help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

// The command of that name, or none.
std::unique_ptr<Command> commandNamed(const QString& name);

// The options that come before the command.
const Syntax& globalSyntax();

// What quilmo-cli --help prints: the global options and every command.
void printProgramHelp(QTextStream& out);

}  // namespace quilmo::cli
