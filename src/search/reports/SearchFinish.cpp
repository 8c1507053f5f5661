#include "search/reports/SearchFinish.h"

namespace quilmo::search {

namespace {
// More names would run off the status bar; the count still tells the whole.
constexpr qsizetype kNamesShown = 5;
}  // namespace

QString finishedSearchingText(qsizetype links, const QStringList& discsWithoutCatalogue) {
  QString text = QStringLiteral("Finished searching: There are %1 links").arg(links);
  const qsizetype missing = discsWithoutCatalogue.size();
  if (missing == 0) return text;
  text += missing == 1 ? QStringLiteral("; 1 listed disc has no catalogue: ")
                       : QStringLiteral("; %1 listed discs have no catalogue: ").arg(missing);
  text += discsWithoutCatalogue.first(std::min(missing, kNamesShown)).join(QStringLiteral(", "));
  if (missing > kNamesShown) text += QStringLiteral(", ...");
  return text;
}

}  // namespace quilmo::search
