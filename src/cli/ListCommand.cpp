// quilmo-cli list: the disc list, one name per line, as the disc-list file holds it.
#include "cli/Commands.h"
#include "library/DiscListFile.h"

namespace quilmo::cli {

namespace {

class ListCommand : public Command {
 public:
  ListCommand() : Command(QStringLiteral("list"), QStringLiteral("print the disc list, one name per line"), {}) {}

  int run(Context& context, const Arguments&) override {
    for (const QString& disc : library::readDiscList(context.dataPath)) context.out << disc << '\n';
    context.out.flush();
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeListCommand() { return std::make_unique<ListCommand>(); }

}  // namespace quilmo::cli
