// quilmo-cli help [COMMAND]: the program's help, or one command's as COMMAND --help gives it.
#include "cli/Commands.h"

namespace quilmo::cli {

namespace {

class HelpCommand : public Command {
 public:
  HelpCommand()
      : Command(QStringLiteral("help"), QStringLiteral("show the options of COMMAND, or this help"),
                {{QStringLiteral("[COMMAND]")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override {
    if (arguments.positionals.isEmpty()) {
      printProgramHelp(context.out);
      return Exit::Ok;
    }
    const auto command = commandNamed(arguments.positionals.first());
    if (!command) return usageError(context, QStringLiteral("unknown command %1").arg(arguments.positionals.first()));
    command->printHelp(context.out);
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeHelpCommand() { return std::make_unique<HelpCommand>(); }

}  // namespace quilmo::cli
