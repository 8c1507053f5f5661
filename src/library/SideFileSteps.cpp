#include "library/SideFileSteps.h"

#include <QDir>
#include <QFileInfo>

#include "library/DiscSideFiles.h"
#include "library/KeptCatalogues.h"
#include "library/LibraryLock.h"

namespace quilmo::library {

namespace {

QString inLibrary(const QString& dataPath, const QString& catalogueFile, SideFile kind) {
  return safetyFolder(dataPath) + sideFileSubPath(catalogueFile, kind);
}

QString keptAside(const QString& dataPath, const QString& catalogueFile, SideFile kind) {
  return keptFolder(dataPath) + sideFileSubPath(catalogueFile, kind);
}

StepError carry(const QString& from, const QString& to) {
  if (!QFileInfo::exists(from)) return {};
  const QString folder = QFileInfo(to).path();
  if (!QDir().mkpath(folder))
    return accessError(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder)));
  // Not `from` itself, as a journal edited by hand or a case-blind file system may name it.
  if (QFileInfo::exists(to) && QFileInfo(to).canonicalFilePath() != QFileInfo(from).canonicalFilePath())
    if (StepError e = removeFile(to); e.number) return e;
  return renameFile(from, to);
}

using Place = QString (*)(const QString& dataPath, const QString& catalogueFile, SideFile kind);

StepErrors carryEach(const QString& dataPath, Place fromPlace, const QString& fromCatalogue, Place toPlace,
                     const QString& toCatalogue) {
  StepErrors errors;
  for (const SideFile kind : kSideFiles)
    if (StepError e = carry(fromPlace(dataPath, fromCatalogue, kind), toPlace(dataPath, toCatalogue, kind)); e.number)
      errors += e;
  return errors;
}

}  // namespace

StepErrors moveSideFiles(const QString& dataPath, const QString& fromCatalogue, const QString& toCatalogue) {
  return carryEach(dataPath, inLibrary, fromCatalogue, inLibrary, toCatalogue);
}

StepErrors keepSideFiles(const QString& dataPath, const QString& catalogueFile) {
  return carryEach(dataPath, inLibrary, catalogueFile, keptAside, catalogueFile);
}

StepErrors restoreSideFiles(const QString& dataPath, const QString& catalogueFile) {
  return carryEach(dataPath, keptAside, catalogueFile, inLibrary, catalogueFile);
}

StepErrors dropKeptSideFiles(const QString& dataPath, const QStringList& wantedCatalogues) {
  QStringList wanted;
  for (const QString& catalogue : wantedCatalogues)
    for (const SideFile kind : kSideFiles) wanted += keptAside(dataPath, catalogue, kind);
  StepErrors errors;
  for (const QString& folder : sideFileFoldersIn(keptFolder(dataPath)))
    for (const QString& file : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
      if (!wanted.contains(folder + file))
        if (StepError e = removeFile(folder + file); e.number) errors += e;
  return errors;
}

}  // namespace quilmo::library
