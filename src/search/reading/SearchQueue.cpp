#include "search/reading/SearchQueue.h"

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/TextCase.h"

namespace quilmo::search {

namespace {

std::vector<SearchSource> sourcesIn(const QString& folder, const QStringList& names) {
  std::vector<SearchSource> sources;
  for (const QString& name : queueOrder(names)) {
    // A name that is no usable file name (one that would leave the folder, say) names no
    // catalogue: it reads as a missing file and is never followed.
    const bool plain = whyNameIsRefused(name).isEmpty();
    sources.push_back({name, plain ? resolveInFolder(folder, name + QStringLiteral(".rtf")) : QString()});
  }
  return sources;
}

}  // namespace

QStringList discList(const QString& dataPath) {
  return ListFile::readFields(resolveInFolder(dataPath, QStringLiteral("QM.tex")));
}

QStringList queueOrder(const QStringList& names) {
  QStringList sorted;
  for (const QString& name : names) sorted.insert(sortedInsertPosition(sorted, name), name);
  return sorted;
}

std::vector<SearchSource> discSources(const QString& dataPath, const QStringList& discNames) {
  return sourcesIn(dataPath, discNames);
}

std::vector<SearchSource> splitFileSources(const QString& dataPath, const QStringList& types) {
  return sourcesIn(withTrailingSeparator(resolveInFolder(dataPath, QStringLiteral("Split-9"))), types);
}

}  // namespace quilmo::search
