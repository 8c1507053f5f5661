#pragma once
// The line that ends a global search, in the window's status and on the CLI's standard
// error alike.
#include <QString>
#include <QStringList>

namespace quilmo::search {

// "Finished searching: There are N links", followed, when listed discs had no catalogue
// to read, by how many and which (the first few names), so a gap in the hits is explained.
QString finishedSearchingText(qsizetype links, const QStringList& discsWithoutCatalogue);

}  // namespace quilmo::search
