#include "library/DiscSideFiles.h"

#include <QFileInfo>

namespace quilmo::library {

namespace {
QString folderOf(SideFile kind) {
  return kind == SideFile::Facts ? QStringLiteral(".quilmo/facts/") : QStringLiteral(".quilmo/notes/");
}
QString suffixOf(SideFile kind) { return kind == SideFile::Facts ? QStringLiteral(".facts") : QStringLiteral(".note"); }
}  // namespace

QString sideFileName(const QString& catalogueFile, SideFile kind) {
  // "NAME.rtf" less its extension; a disc name may itself hold dots.
  const QString disc = catalogueFile.left(catalogueFile.lastIndexOf(QLatin1Char('.')));
  return folderOf(kind) + disc + suffixOf(kind);
}

QStringList sideFileNames(const QString& catalogueFile) {
  return {sideFileName(catalogueFile, SideFile::Facts), sideFileName(catalogueFile, SideFile::Note)};
}

QString sideFileFolder(const QString& dataPath, SideFile kind) { return dataPath + folderOf(kind); }

QStringList sideFileFolders(const QString& dataPath) {
  return {sideFileFolder(dataPath, SideFile::Facts), sideFileFolder(dataPath, SideFile::Note)};
}

QString sideFilePath(const QString& cataloguePath, SideFile kind) {
  const QFileInfo catalogue(cataloguePath);
  return catalogue.path() + QLatin1Char('/') + sideFileName(catalogue.fileName(), kind);
}

}  // namespace quilmo::library
