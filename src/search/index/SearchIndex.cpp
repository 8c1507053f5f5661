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
#include "search/index/PartBuilder.h"
#include "search/reading/SearchQueue.h"

namespace quilmo::search {

namespace {

const QString kCatalogueEnd = QStringLiteral(".rtf");
const QString kPartEnd = QStringLiteral(".qix");

}  // namespace

SearchIndex::SearchIndex(QString dataPath)
    : dataPath_(withTrailingSeparator(std::move(dataPath))), folder_(dataPath_ + QStringLiteral(".quilmo/index/")) {}

bool SearchIndex::exists() const { return QFileInfo(folder_).isDir(); }

QString SearchIndex::partPath(const QString& cataloguePath) const {
  const QString native = QDir::toNativeSeparators(cataloguePath);
  if (!native.startsWith(QDir::toNativeSeparators(dataPath_))) return {};
  QString relative = QDir::fromNativeSeparators(native.mid(dataPath_.size()));
  if (relative.isEmpty() || relative.startsWith(u'.') || relative.split(u'/').contains(QStringLiteral(".."))) return {};
  if (relative.endsWith(kCatalogueEnd, Qt::CaseInsensitive)) relative.chop(kCatalogueEnd.size());
  return folder_ + relative + kPartEnd;
}

PartState SearchIndex::stateOf(const QString& cataloguePath) const {
  return IndexPart(partPath(cataloguePath), cataloguePath).state();
}

void SearchIndex::rebuild(const QStringList& cataloguePaths, const Failure& failed) const {
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

void SearchIndex::removeOthers(const QStringList& cataloguePaths) const {
  QSet<QString> kept;
  for (const QString& catalogue : cataloguePaths) kept.insert(QDir::cleanPath(partPath(catalogue)));
  QDirIterator parts(folder_, {QStringLiteral("*") + kPartEnd}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (parts.hasNext()) {
    const QString part = QDir::cleanPath(parts.next());
    if (!kept.contains(part)) QFile::remove(part);
  }
  QDirIterator folders(folder_, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
  removeStaleTemporaryFiles(folder_);
  while (folders.hasNext()) removeStaleTemporaryFiles(withTrailingSeparator(folders.next()));
}

SearchIndex::Update SearchIndex::update(const Failure& failed) const {
  if (!exists()) return {};
  return build(false, failed);
}

SearchIndex::Update SearchIndex::build(bool anew, const Failure& failed) const {
  const QStringList all = catalogues(dataPath_);
  QStringList outdated;
  for (const QString& catalogue : all)
    if (anew || stateOf(catalogue) != PartState::Fresh) outdated += catalogue;
  QDir().mkpath(folder_);
  removeOthers(all);
  Update update{all.size(), 0, 0};
  rebuild(outdated, [&](const QString& catalogue, const QString& error) {
    ++update.failed;
    if (failed) failed(catalogue, error);
  });
  update.rebuilt = outdated.size() - update.failed;
  return update;
}

void SearchIndex::noteUnusable(const QString& cataloguePath) const {
  std::lock_guard lock(mutex_);
  unusable_ += cataloguePath;
}

QStringList SearchIndex::takeUnusable() {
  std::lock_guard lock(mutex_);
  return std::exchange(unusable_, {});
}

QStringList SearchIndex::catalogues(const QString& dataPath) {
  QStringList paths;
  const QString data = withTrailingSeparator(dataPath);
  for (const SearchSource& source : discSources(data, discList(data)))
    if (!source.path.isEmpty() && QFileInfo(source.path).isFile()) paths += source.path;
  const QString split = withTrailingSeparator(resolveInFolder(data, QStringLiteral("Split-9")));
  QStringList types;
  for (const QString& file : QDir(split).entryList({QStringLiteral("*") + kCatalogueEnd}, QDir::Files))
    types += file.chopped(kCatalogueEnd.size());
  for (const SearchSource& source : splitFileSources(data, types)) paths += source.path;
  return paths;
}

}  // namespace quilmo::search
