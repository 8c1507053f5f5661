// quilmo-cli note NAME [TEXT]: prints a disc's note, or sets it ("" removes it).
#include "cli/Commands.h"
#include "cli/DiscCatalogue.h"
#include "library/DiscNote.h"

namespace quilmo::cli {

namespace {

class NoteCommand : public Command {
 public:
  NoteCommand()
      : Command(QStringLiteral("note"),
                QStringLiteral("print the note of disc NAME, or set it to TEXT (one line; \"\" removes it)"),
                {{QStringLiteral("NAME"), QStringLiteral("[TEXT]")}, {}}) {}

  int run(Context& context, const Arguments& arguments) override {
    QString why;
    const QString catalogue = cataloguePathOf(context.dataPath, arguments.positionals.first(), &why);
    if (catalogue.isEmpty()) return fail(context, Exit::Failure, why);
    if (arguments.positionals.size() == 1) {
      const QString note = library::readNote(catalogue);
      if (!note.isEmpty()) context.out << note << Qt::endl;  // a note holds no control characters
      return Exit::Ok;
    }
    if (!library::writeNote(context.dataPath, catalogue, arguments.positionals[1], &why))
      return fail(context, Exit::Failure, why);
    return Exit::Ok;
  }
};

}  // namespace

std::unique_ptr<Command> makeNoteCommand() { return std::make_unique<NoteCommand>(); }

}  // namespace quilmo::cli
