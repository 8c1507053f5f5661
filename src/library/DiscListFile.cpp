#include "library/DiscListFile.h"

#include <QFileInfo>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/ReplacingFile.h"

namespace quilmo::library {

namespace {

const QString kList = QStringLiteral("QM.tex");
const QString kBackup = QStringLiteral("Qm.Tex.Bak");
const QString kFetch = QStringLiteral("QmFetch.xxx");

}  // namespace

DiscListPaths::DiscListPaths(const QString& folder) : dataPath(folder) {}
QString DiscListPaths::list() const { return resolveInFolder(dataPath, kList); }
QString DiscListPaths::backup() const { return resolveInFolder(dataPath, kBackup); }
QString DiscListPaths::fetch() const { return resolveInFolder(dataPath, kFetch); }

bool isCutOff(const QString& dataPath) {
  const DiscListPaths paths(dataPath);
  return !QFileInfo::exists(paths.list()) && QFileInfo::exists(paths.fetch());
}

bool recoverDiscList(const QString& dataPath) {
  if (!isCutOff(dataPath)) return false;
  const DiscListPaths paths(dataPath);
  return renameFile(paths.fetch(), paths.list()).number == 0 && syncFolder(dataPath);
}

QStringList readDiscList(const QString& dataPath) {
  // Between the two renames of a rewrite, the new list waits complete in QmFetch.xxx.
  const DiscListPaths paths(dataPath);
  return ListFile::readFields(isCutOff(dataPath) ? paths.fetch() : paths.list());
}

StepError appendToDiscList(const QString& dataPath, const QString& name) {
  recoverDiscList(dataPath);
  QString why;
  if (!ListFile::appendLine(DiscListPaths(dataPath).list(), name, &why)) return accessError(why);
  return {};
}

StepError rewriteDiscList(const QString& dataPath, const QStringList& names) {
  recoverDiscList(dataPath);
  const DiscListPaths paths(dataPath);
  const QString list = paths.list();  // keeps the spelling the folder already uses
  QString why;
  if (!ListFile::rewrite(paths.fetch(), names, &why)) return accessError(why);
  const QString backup = paths.backup();
  if (!ListFile::ensureExists(backup, &why)) return accessError(why);
  // Each step stops the rewrite when it fails: the ones after it depend on it.
  if (StepError e = removeFile(backup); e.number) return e;
  if (QFileInfo::exists(list))
    if (StepError e = renameFile(list, backup); e.number) return e;
  if (StepError e = renameFile(paths.fetch(), list); e.number) return e;
  if (!syncFolder(dataPath, &why)) return accessError(why);
  return {};
}

}  // namespace quilmo::library
