#include "library/DiscSideFiles.h"

#include <QFileInfo>

namespace quilmo::library {

namespace {
const QString kHiddenFolder = QStringLiteral(".quilmo/");

QString subfolder(SideFile kind) { return kind == SideFile::Facts ? QStringLiteral("facts/") : QStringLiteral("notes/"); }
QString extension(SideFile kind) { return kind == SideFile::Facts ? QStringLiteral(".facts") : QStringLiteral(".note"); }
}  // namespace

QString sideFileSubPath(const QString& catalogueFile, SideFile kind) {
  // "NAME.rtf" less its extension; a disc name may itself hold dots.
  const QString disc = catalogueFile.left(catalogueFile.lastIndexOf(QLatin1Char('.')));
  return subfolder(kind) + disc + extension(kind);
}

QString sideFileName(const QString& catalogueFile, SideFile kind) {
  return kHiddenFolder + sideFileSubPath(catalogueFile, kind);
}

QStringList sideFileNames(const QString& catalogueFile) {
  return {sideFileName(catalogueFile, SideFile::Facts), sideFileName(catalogueFile, SideFile::Note)};
}

QStringList sideFileFoldersIn(const QString& folder) {
  QStringList folders;
  for (const SideFile kind : kSideFiles) folders += folder + subfolder(kind);
  return folders;
}

QString sideFileFolder(const QString& dataPath, SideFile kind) { return dataPath + kHiddenFolder + subfolder(kind); }

QStringList sideFileFolders(const QString& dataPath) { return sideFileFoldersIn(dataPath + kHiddenFolder); }

QString sideFilePath(const QString& cataloguePath, SideFile kind) {
  const QFileInfo catalogue(cataloguePath);
  return catalogue.path() + QLatin1Char('/') + sideFileName(catalogue.fileName(), kind);
}

}  // namespace quilmo::library
