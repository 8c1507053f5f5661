// quilmo-cli index: brings the search index of the data folder up to date (the parts of
// catalogues that are new, changed or damaged), builds it anew, or checks it.
#include "cli/Commands.h"
#include "cli/IndexUpkeep.h"
#include "search/index/CombinedIndex.h"

namespace quilmo::cli {

namespace {

QString stateText(search::PartState state) {
  switch (state) {
    case search::PartState::Fresh: return QStringLiteral("up to date");
    case search::PartState::Missing: return QStringLiteral("missing");
    case search::PartState::Stale: return QStringLiteral("out of date");
    case search::PartState::Damaged: return QStringLiteral("damaged");
  }
  return {};
}

class IndexCommand : public Command {
 public:
  IndexCommand()
      : Command(QStringLiteral("index"),
                QStringLiteral("bring the search index up to date (new or changed catalogues)"),
                {{},
                 {{QStringLiteral("rebuild"), {}, QStringLiteral("index every catalogue anew")},
                  {QStringLiteral("check"), {}, QStringLiteral("change nothing; name every catalogue the index does not hold as it is")}}}) {}

  int run(Context& context, const Arguments& arguments) override;
};

int IndexCommand::run(Context& context, const Arguments& arguments) {
  const bool rebuild = arguments.isSet(QStringLiteral("rebuild")), check = arguments.isSet(QStringLiteral("check"));
  if (rebuild && check) return usageError(context, QStringLiteral("--rebuild and --check do not go together"));
  const search::SearchIndex index(context.dataPath);
  if (check) {
    const QStringList catalogues = search::SearchIndex::catalogues(context.dataPath);
    const search::CombinedIndex combined(index.combinedPath());
    qsizetype fresh = 0;
    for (const QString& catalogue : catalogues) {
      const search::PartState state = index.stateOf(catalogue, combined);
      if (state == search::PartState::Fresh) ++fresh;
      else context.out << shownCatalogue(context, catalogue) << ": " << stateText(state) << '\n';
    }
    context.out << fresh << " of " << catalogues.size() << " catalogues indexed as they are\n";
    context.out.flush();
    return fresh == catalogues.size() ? Exit::Ok : Exit::Failure;
  }
  const search::SearchIndex::Update update = index.build(rebuild, reportUnindexed(context));
  context.out << "indexed " << update.rebuilt << " of " << update.catalogues << " catalogues ("
              << update.catalogues - update.rebuilt - update.failed << " were up to date)\n";
  context.out.flush();
  return update.failed ? Exit::Failure : Exit::Ok;
}

}  // namespace

std::unique_ptr<Command> makeIndexCommand() { return std::make_unique<IndexCommand>(); }

}  // namespace quilmo::cli
