#include "search/reading/SearchQueue.h"

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/TextCase.h"

namespace quilmo::search {

namespace {

std::vector<SearchSource> sourcesIn(const QString& folder, const QStringList& names) {
  const QStringList ordered = queueOrder(names);
  QStringList files;
  for (const QString& name : ordered) files += name + QStringLiteral(".rtf");
  const QStringList paths = resolveAllInFolder(folder, files);
  std::vector<SearchSource> sources;
  for (qsizetype i = 0; i < ordered.size(); ++i) {
    // A name that is no usable file name (one that would leave the folder, say) names no
    // catalogue: it reads as a missing file and is never followed.
    const bool plain = whyNameIsRefused(ordered[i]).isEmpty();
    sources.push_back({ordered[i], plain ? paths[i] : QString()});
  }
  return sources;
}

}  // namespace

QStringList discList(const QString& dataPath) {
  return ListFile::readFields(resolveInFolder(dataPath, QStringLiteral("QM.tex")));
}

QStringList queueOrder(const QStringList& names) { return sortedIgnoringCase(names); }

std::vector<SearchSource> discSources(const QString& dataPath, const QStringList& discNames) {
  return sourcesIn(dataPath, discNames);
}

std::vector<SearchSource> splitFileSources(const QString& dataPath, const QStringList& types) {
  return sourcesIn(withTrailingSeparator(resolveInFolder(dataPath, QStringLiteral("Split-9"))), types);
}

}  // namespace quilmo::search
