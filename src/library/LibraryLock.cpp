#include "library/LibraryLock.h"

#include <QDir>
#include <QFileInfo>

#include "platform/ReplacingFile.h"

namespace quilmo::library {

QString safetyFolder(const QString& dataPath) { return dataPath + QStringLiteral(".quilmo/"); }

bool makeSafetyFolder(const QString& dataPath, QString* error) {
  if (QFileInfo(safetyFolder(dataPath)).isDir() || QDir().mkpath(safetyFolder(dataPath))) return true;
  if (error) *error = QStringLiteral("Nothing was changed: %1.").arg(whyFolderTakesNoFiles(dataPath));
  return false;
}

LibraryLock::LibraryLock(const QString& dataPath)
    : dataPath_(dataPath), lock_(safetyFolder(dataPath) + QStringLiteral("lock")) {
  // Only a dead holder makes a lock stale, however long a live one holds it.
  lock_.setStaleLockTime(0);
}

bool LibraryLock::acquire() {
  if (!makeSafetyFolder(dataPath_, &refusal_)) return false;
  if (lock_.tryLock(kPatienceMs)) return true;
  if (lock_.error() == QLockFile::LockFailedError)
    refusal_ = QStringLiteral("Another Quilmo program is changing the library in %1. Nothing was changed; "
                              "try again when it has finished.")
                   .arg(QDir::toNativeSeparators(dataPath_));
  else
    refusal_ = QStringLiteral("Nothing was changed: %1.").arg(whyFolderTakesNoFiles(safetyFolder(dataPath_)));
  return false;
}

}  // namespace quilmo::library
