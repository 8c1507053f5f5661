#include "cli/IndexUpkeep.h"

#include <QDir>

namespace quilmo::cli {

QString shownCatalogue(const Context& context, const QString& cataloguePath) {
  return QDir::toNativeSeparators(cataloguePath.mid(context.dataPath.size()));
}

search::SearchIndex::Failure reportUnindexed(Context& context) {
  return [&context](const QString& catalogue, const QString& error) {
    context.err << "quilmo-cli: " << shownCatalogue(context, catalogue) << " cannot be indexed: " << error << Qt::endl;
  };
}

void keepIndexCurrent(Context& context) { search::SearchIndex(context.dataPath).update(reportUnindexed(context)); }

}  // namespace quilmo::cli
