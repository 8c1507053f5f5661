#pragma once
// The queue QL of a global search: which catalogue files are read, in which order.
#include <QString>
#include <QStringList>
#include <vector>

#include "search/GlobalSearch.h"

namespace quilmo::search {

// The disc names of the disc list DataPath + "QM.tex", read field-wise; none when missing.
QStringList discList(const QString& dataPath);

// QL keeps its rows in alphabetical order (capitals, code point by code point; equal
// names in the order given).
QStringList queueOrder(const QStringList& names);

// The queue of a disc search: DataPath + name + ".rtf" for each disc, in queue order.
std::vector<SearchSource> discSources(const QString& dataPath, const QStringList& discNames);
// The queue of a split-file search: DataPath + "Split-9/" + type + ".rtf", in queue order.
std::vector<SearchSource> splitFileSources(const QString& dataPath, const QStringList& types);

}  // namespace quilmo::search
