#include "library/KeptCatalogues.h"

#include <QDir>
#include <QFileInfo>

#include "library/LibraryLock.h"
#include "platform/DataFolder.h"

namespace quilmo::library {

QString keptFolder(const QString& dataPath) { return safetyFolder(dataPath) + QStringLiteral("kept/"); }

StepError keepCatalogue(const QString& dataPath, const QString& file) {
  const QString source = resolveInFolder(dataPath, file);
  if (!QFileInfo::exists(source)) return {};  // kept before a cut
  if (!QDir().mkpath(keptFolder(dataPath)))
    return accessError(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(keptFolder(dataPath))));
  const QString target = keptFolder(dataPath) + file;
  if (QFileInfo::exists(target))
    if (StepError e = removeFile(target); e.number) return e;
  return renameFile(source, target);
}

StepError restoreCatalogue(const QString& dataPath, const QString& file) {
  const QString kept = keptFolder(dataPath) + file;
  if (!QFileInfo::exists(kept) && QFileInfo::exists(resolveInFolder(dataPath, file))) return {};  // back before a cut
  return renameFile(kept, dataPath + file);
}

StepErrors dropKeptCatalogues(const QString& dataPath, const QStringList& wanted) {
  StepErrors errors;
  const QDir folder(keptFolder(dataPath));
  for (const QString& file : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
    if (!wanted.contains(file))
      if (StepError e = removeFile(folder.filePath(file)); e.number) errors += e;
  return errors;
}

}  // namespace quilmo::library
