#include "cli/Commands.h"

namespace quilmo::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(makeCreateCommand());
  commands.push_back(makeListCommand());
  commands.push_back(makeShowCommand());
  commands.push_back(makeInfoCommand());
  commands.push_back(makeNoteCommand());
  commands.push_back(makeSearchCommand());
  commands.push_back(makeExportCommand());
  commands.push_back(makeIndexCommand());
  commands.push_back(makeRenameCommand());
  commands.push_back(makeDeleteCommand());
  commands.push_back(makeUndoCommand());
  commands.push_back(makeHelpCommand());
  return commands;
}

std::unique_ptr<Command> commandNamed(const QString& name) {
  for (auto& command : allCommands())
    if (command->name() == name) return std::move(command);
  return nullptr;
}

const Syntax& globalSyntax() {
  static const Syntax syntax{
      {QStringLiteral("COMMAND"), QStringLiteral("[ARGS]...")},
      {{QStringLiteral("data"), QStringLiteral("DIR"),
        QStringLiteral("the data folder (default: the window's data folder)")},
       {QStringLiteral("app"), QStringLiteral("DIR"),
        QStringLiteral("the program folder (default: the window's program folder)")},
       {QStringLiteral("drive"), QStringLiteral("L=PATH"),
        QStringLiteral("let drive letter L stand for the folder or device PATH for this run"), true},
       {QStringLiteral("version"), {}, QStringLiteral("show the version")}}};
  return syntax;
}

void printProgramHelp(QTextStream& out) {
  out << "quilmo-cli - catalogue removable media and find files again without the disc.\n\n"
      << usageLine(QStringLiteral("COMMAND [ARGS]")) << "\n\nGlobal options:\n";
  printOptions(out, globalSyntax());
  out << "\nCommands:\n";
  for (const auto& command : allCommands())
    out << "  " << command->synopsis() << "\n      " << command->summary() << '\n';
  out << "\nquilmo-cli help COMMAND or quilmo-cli COMMAND --help shows the options of COMMAND.\n";
  out.flush();
}

}  // namespace quilmo::cli
