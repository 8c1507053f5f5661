#include "library/FileEntry.h"

namespace quilmo::library {

namespace {

// The three characters after the last dot, or empty when there are not exactly three.
QString threeCharacterType(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot < 0 || fileName.size() - dot - 1 != 3) return {};
  return fileName.mid(dot + 1);
}

}  // namespace

QString fileListEntry(const QString& fileName) {
  const QString type = threeCharacterType(fileName);
  return type.isEmpty() ? fileName : type + u' ' + fileName;
}

QString fileNameOfEntry(const QString& entry) {
  // "txt report.txt": the prefix is the type of the name that follows it.
  if (entry.size() > 4 && entry[3] == u' ') {
    const QString name = entry.mid(4);
    if (threeCharacterType(name) == entry.left(3)) return name;
  }
  return entry;
}

QString typePrefixOf(const QString& entry) { return entry.left(3); }

}  // namespace quilmo::library
