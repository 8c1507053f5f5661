#include "library/LibraryLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

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
  // Polled briefly rather than with QLockFile's doubling sleeps, which let busy programs
  // take the lock between a waiter's rare looks until its patience ran out.
  QDeadlineTimer patience(kPatienceMs);
  qint64 holder = -1;
  while (!lock_.tryLock(0)) {
    if (lock_.error() != QLockFile::LockFailedError) break;
    qint64 pid = -1;
    if (lock_.getLockInfo(&pid, nullptr, nullptr) && pid != holder) {
      holder = pid;
      patience.setRemainingTime(kPatienceMs);
    }
    if (patience.hasExpired()) break;
    QThread::msleep(20);
  }
  if (lock_.isLocked()) return true;
  if (lock_.error() == QLockFile::LockFailedError)
    refusal_ = QStringLiteral("Another Quilmo program is changing the library in %1. Nothing was changed; "
                              "try again when it has finished.")
                   .arg(QDir::toNativeSeparators(dataPath_));
  else
    refusal_ = QStringLiteral("Nothing was changed: %1.").arg(whyFolderTakesNoFiles(safetyFolder(dataPath_)));
  return false;
}

}  // namespace quilmo::library
