#include "library/DiscSideFiles.h"

#include <QFileInfo>

namespace quilmo::library {

QString sideFileName(const QString& catalogueFile, SideFile kind) {
  // "NAME.rtf" less its extension; a disc name may itself hold dots.
  const QString disc = catalogueFile.left(catalogueFile.lastIndexOf(QLatin1Char('.')));
  return kind == SideFile::Facts ? QStringLiteral(".quilmo/facts/") + disc + QStringLiteral(".facts")
                                 : QStringLiteral(".quilmo/notes/") + disc + QStringLiteral(".note");
}

QStringList sideFileNames(const QString& catalogueFile) {
  return {sideFileName(catalogueFile, SideFile::Facts), sideFileName(catalogueFile, SideFile::Note)};
}

QStringList sideFileFolders(const QString& dataPath) {
  return {dataPath + QStringLiteral(".quilmo/facts/"), dataPath + QStringLiteral(".quilmo/notes/")};
}

QString sideFilePath(const QString& cataloguePath, SideFile kind) {
  const QFileInfo catalogue(cataloguePath);
  return catalogue.path() + QLatin1Char('/') + sideFileName(catalogue.fileName(), kind);
}

}  // namespace quilmo::library
