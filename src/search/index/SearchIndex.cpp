#include "search/index/SearchIndex.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <utility>
#include <thread>
#include <vector>

#include "platform/DataFolder.h"
#include "platform/ReplacingFile.h"
#include "search/index/CombinedIndex.h"
#include "search/index/CombinedWriter.h"
#include "search/index/PartBuilder.h"
#include "search/reading/SearchQueue.h"

namespace quilmo::search {

namespace {

const QString kCatalogueEnd = QStringLiteral(".rtf");
const QString kPartEnd = QStringLiteral(".qix");
// Catalogues outside the combined index (in parts, or left in it though changed or gone)
// beyond which an update writes the combined index anew: each part costs every search an
// open, the rewrite a copy of every list.
constexpr qsizetype kLooseCatalogues = 8;

}  // namespace

SearchIndex::SearchIndex(QString dataPath)
    : dataPath_(withTrailingSeparator(std::move(dataPath))),
      dataPathSlashed_(QDir::fromNativeSeparators(dataPath_)),
      folder_(dataPath_ + QStringLiteral(".quilmo/index/")) {}

bool SearchIndex::exists() const { return QFileInfo(folder_).isDir(); }

QString SearchIndex::nameOf(const QString& cataloguePath) const {
  // Asked for every catalogue of a search, so without a list of its segments.
  QString relative = QDir::fromNativeSeparators(cataloguePath);
  if (!relative.startsWith(dataPathSlashed_)) return {};
  relative.remove(0, dataPathSlashed_.size());
  if (relative.isEmpty() || relative.startsWith(u'.') || relative.endsWith(QStringLiteral("/..")) ||
      relative.contains(QStringLiteral("/../")))
    return {};
  if (relative.endsWith(kCatalogueEnd, Qt::CaseInsensitive)) relative.chop(kCatalogueEnd.size());
  return relative;
}

QString SearchIndex::partPath(const QString& cataloguePath) const {
  const QString name = nameOf(cataloguePath);
  return name.isEmpty() ? QString() : folder_ + name + kPartEnd;
}

PartState SearchIndex::stateOf(const QString& cataloguePath) const {
  return stateOf(cataloguePath, CombinedIndex(combinedPath()));
}

PartState SearchIndex::stateOf(const QString& cataloguePath, const CombinedIndex& combined) const {
  const auto stamp = fileStamp(cataloguePath);
  return stamp ? stateOf({cataloguePath, *stamp}, combined) : IndexPart(partPath(cataloguePath), cataloguePath).state();
}

PartState SearchIndex::stateOf(const Catalogue& catalogue, const CombinedIndex& combined) const {
  if (nameOf(catalogue.path).isEmpty()) return PartState::Missing;
  if (combinedHolds(catalogue, combined)) return PartState::Fresh;
  return IndexPart(partPath(catalogue.path), catalogue.path).state();
}

void SearchIndex::buildParts(const QStringList& cataloguePaths, const Failure& failed) const {
  if (cataloguePaths.isEmpty()) return;
  std::atomic<qsizetype> next = 0;
  std::mutex failures;
  auto work = [&] {
    PartBuilder builder;
    for (qsizetype i; (i = next++) < cataloguePaths.size();) {
      const QString part = partPath(cataloguePaths[i]);
      QString error;
      if (part.isEmpty()) error = QStringLiteral("it is not in the data folder");
      else if (builder.build(cataloguePaths[i], part, &error)) continue;
      if (!failed) continue;
      std::lock_guard lock(failures);
      failed(cataloguePaths[i], error);
    }
  };
  const auto threads = std::min<qsizetype>(std::max(1u, std::thread::hardware_concurrency()), cataloguePaths.size());
  std::vector<std::thread> helpers;
  for (qsizetype t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& helper : helpers) helper.join();
}

bool SearchIndex::combinedHolds(const Catalogue& catalogue, const CombinedIndex& combined) const {
  const auto disc = combined.usable() ? combined.discOf(nameOf(catalogue.path)) : std::nullopt;
  return disc && catalogue.stamp == combined.stampOf(*disc);
}

void SearchIndex::removeOthers(const std::vector<Catalogue>& catalogues, const CombinedIndex& combined) const {
  QSet<QString> kept;
  for (const Catalogue& catalogue : catalogues)
    if (!combinedHolds(catalogue, combined)) kept.insert(QDir::cleanPath(partPath(catalogue.path)));
  QDirIterator parts(folder_, {QStringLiteral("*") + kPartEnd}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (parts.hasNext()) {
    const QString part = QDir::cleanPath(parts.next());
    if (!kept.contains(part)) QFile::remove(part);
  }
  QDirIterator folders(folder_, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  removeStaleTemporaryFiles(folder_);
  while (folders.hasNext()) removeStaleTemporaryFiles(withTrailingSeparator(folders.next()));
}

bool SearchIndex::combine(const std::vector<Catalogue>& catalogues, bool always) const {
  const CombinedIndex earlier(always ? QString() : combinedPath(), CombinedIndex::Access::Mapped);
  CombinedSources sources;
  if (earlier.usable()) sources.earlier = &earlier;
  for (const Catalogue& catalogue : catalogues) {
    const QString name = nameOf(catalogue.path);
    if (name.isEmpty()) continue;
    const auto disc = earlier.usable() ? earlier.discOf(name) : std::nullopt;
    if (disc && catalogue.stamp == earlier.stampOf(*disc)) sources.keptDiscs.push_back(*disc);
    else if (IndexPart(partPath(catalogue.path), catalogue.path).state() == PartState::Fresh)
      sources.parts.push_back({name, partPath(catalogue.path), catalogue.path});
  }
  const qsizetype loose = sources.parts.size() + qsizetype(earlier.discCount()) - qsizetype(sources.keptDiscs.size());
  if (!always && loose <= kLooseCatalogues) return true;
  std::sort(sources.keptDiscs.begin(), sources.keptDiscs.end());
  QStringList merged;
  const CombineOutcome outcome = writeCombinedIndex(combinedPath(), sources, merged);
  if (outcome != CombineOutcome::Written) return outcome != CombineOutcome::EarlierDamaged;
  // A part rewritten meanwhile by another program goes too; its catalogue is then read
  // whole until the next update.
  for (const QString& part : merged) QFile::remove(part);
  return true;
}

SearchIndex::Update SearchIndex::update(const Failure& failed) const {
  if (!exists()) return {};
  return build(false, failed);
}

SearchIndex::Update SearchIndex::build(bool anew, const Failure& failed) const {
  const std::vector<Catalogue> now = cataloguesNow(dataPath_);
  const QStringList all = pathsOf(now);
  QDir().mkpath(folder_);
  removeOthers(now, CombinedIndex(anew ? QString() : combinedPath()));
  Update update{all.size(), 0, 0};
  for (int round = 0; round < 2; ++round) {
    QStringList outdated;
    {
      const CombinedIndex combined(anew ? QString() : combinedPath());
      for (const Catalogue& catalogue : now)
        if (anew || stateOf(catalogue, combined) != PartState::Fresh) outdated += catalogue.path;
    }
    update.failed = 0;
    buildParts(outdated, [&](const QString& catalogue, const QString& error) {
      ++update.failed;
      if (failed) failed(catalogue, error);
    });
    update.rebuilt += outdated.size() - update.failed;
    if (combine(now, anew)) break;
    // The combined index failed a check: its catalogues are indexed again, into a new one.
    QFile::remove(combinedPath());
    anew = true;
  }
  return update;
}

void SearchIndex::updateAfterSearch() {
  const bool damaged = combinedDamaged_.exchange(false);
  QStringList unusable = takeUnusable();
  if (!damaged && unusable.isEmpty()) return;
  if (damaged) QFile::remove(combinedPath());
  unusable.removeDuplicates();
  buildParts(unusable, {});
  update();
}

void SearchIndex::noteUnusable(const QString& cataloguePath) const {
  std::lock_guard lock(mutex_);
  unusable_ += cataloguePath;
}

QStringList SearchIndex::takeUnusable() {
  std::lock_guard lock(mutex_);
  return std::exchange(unusable_, {});
}

QStringList SearchIndex::catalogues(const QString& dataPath) { return pathsOf(cataloguesNow(dataPath)); }

std::vector<SearchIndex::Catalogue> SearchIndex::cataloguesNow(const QString& dataPath) {
  const QString data = withTrailingSeparator(dataPath);
  std::vector<SearchSource> sources = discSources(data, discList(data));
  const QString split = withTrailingSeparator(resolveInFolder(data, QStringLiteral("Split-9")));
  QStringList types;
  for (const QString& file : QDir(split).entryList({QStringLiteral("*") + kCatalogueEnd}, QDir::Files))
    types += file.chopped(kCatalogueEnd.size());
  for (SearchSource& source : splitFileSources(data, types)) sources.push_back(std::move(source));
  std::vector<Catalogue> catalogues;
  for (const SearchSource& source : sources)
    if (const auto stamp = source.path.isEmpty() ? std::nullopt : fileStamp(source.path))
      catalogues.push_back({source.path, *stamp});
  return catalogues;
}

QStringList SearchIndex::pathsOf(const std::vector<Catalogue>& catalogues) {
  QStringList paths;
  for (const Catalogue& catalogue : catalogues) paths += catalogue.path;
  return paths;
}

}  // namespace quilmo::search
