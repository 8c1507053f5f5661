#include "capture/CreationClaim.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "library/LibraryLock.h"
#include "platform/ListFile.h"
#include "platform/ReplacingFile.h"
#include "platform/TextCase.h"

namespace quilmo::capture {

namespace {

const QString kPrefix = QStringLiteral("creating-");

// One file stem per name, whatever its letter case and length.
QString stemFor(const QString& dataPath, const QString& name) {
  const QByteArray hash = QCryptographicHash::hash(upperCased(name).toUtf8(), QCryptographicHash::Sha1).toHex();
  return library::safetyFolder(dataPath) + kPrefix + QString::fromLatin1(hash.left(20));
}

}  // namespace

CreationClaim::CreationClaim(const QString& dataPath, const QString& name)
    : dataPath_(dataPath), name_(name), marker_(stemFor(dataPath, name) + QStringLiteral(".name")),
      lock_(stemFor(dataPath, name) + QStringLiteral(".lock")) {
  lock_.setStaleLockTime(0);  // a walk may take hours; only a dead holder frees the name
}

CreationClaim::~CreationClaim() {
  if (!held_) return;
  QFile::remove(marker_);
  lock_.unlock();
}

bool CreationClaim::acquire() {
  if (!library::makeSafetyFolder(dataPath_, &refusal_)) return false;
  if (!lock_.tryLock(0)) {
    refusal_ = lock_.error() == QLockFile::LockFailedError
                   ? QStringLiteral("The disc \"%1\" is being created by another Quilmo program. Wait until it is "
                                    "finished, then try again.").arg(name_)
                   : QStringLiteral("The data folder %1 cannot be written, so the disc was not created.")
                         .arg(QDir::toNativeSeparators(dataPath_));
    return false;
  }
  if (!replaceFile(marker_, name_.toUtf8(), &refusal_)) {
    lock_.unlock();
    refusal_ = QStringLiteral("The disc was not created: %1.").arg(refusal_);
    return false;
  }
  held_ = true;
  return true;
}

QStringList cutOffCreations(const QString& dataPath) {
  QStringList names;
  const QDir folder(library::safetyFolder(dataPath));
  for (const QString& entry : folder.entryList({kPrefix + QStringLiteral("*.name")}, QDir::Files)) {
    const QString stem = folder.filePath(entry.chopped(5));
    QLockFile lock(stem + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) continue;  // still running somewhere
    const QStringList lines = ListFile::readLines(stem + QStringLiteral(".name"));
    if (!lines.isEmpty() && !lines.first().isEmpty()) names += lines.first();
    QFile::remove(stem + QStringLiteral(".name"));
  }
  return names;
}

}  // namespace quilmo::capture
