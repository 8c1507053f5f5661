#include "platform/ReplacingFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

#include "platform/CrashPoint.h"
#include "platform/DataFolder.h"
#include "platform/FileCalls.h"

namespace quilmo {

namespace {

QString folderOf(const QString& path) { return QFileInfo(path).absolutePath(); }

QString temporaryName() {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QString suffix;
  for (int i = 0; i < 6; ++i) suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
  return QStringLiteral(".quilmo-%1-%2.tmp").arg(FileCalls::processId()).arg(suffix);
}

}  // namespace

QString plainFileError(int error, const QString& folder) {
  const QString where = QDir::toNativeSeparators(folder);
  switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      return QStringLiteral("No space left on the disk that holds %1").arg(where);
    case EFBIG: return QStringLiteral("The file grew too large for the disk that holds %1").arg(where);
    case EROFS: return QStringLiteral("The folder %1 is on a disk that cannot be written").arg(where);
    case EACCES:
    case EPERM: return QStringLiteral("No permission to write in the folder %1").arg(where);
    case ENAMETOOLONG: return QStringLiteral("A name is too long for the folder %1").arg(where);
    default: return QStringLiteral("%1 (in the folder %2)").arg(QString::fromLocal8Bit(std::strerror(error)), where);
  }
}

QString whyFolderTakesNoFiles(const QString& folder) {
  ReplacingFile probe(folder + QStringLiteral("/probe"));
  if (probe.open() && probe.write(QByteArray(4096, ' '))) return plainFileError(EIO, folder);
  return probe.errorString();
}

bool syncFolder(const QString& folder, QString* error) {
  const bool synced = FileCalls::syncFolder(folder);
  if (!synced && error) *error = plainFileError(errno, folder);
  return synced;
}

ReplacingFile::ReplacingFile(QString target) : target_(std::move(target)) {}

ReplacingFile::~ReplacingFile() { cancel(); }

bool ReplacingFile::fail(int error) {
  if (error_.isEmpty()) error_ = plainFileError(error, folderOf(target_));
  return false;
}

bool ReplacingFile::open() {
  cancel();
  error_.clear();
  written_ = syncAsked_ = 0;
  const QString folder = folderOf(target_) + u'/';
  for (int attempt = 0; attempt < 8; ++attempt) {
    temporary_ = folder + temporaryName();
    fd_ = FileCalls::createNew(temporary_);
    if (fd_ >= 0) return true;
    if (errno != EEXIST) break;
  }
  temporary_.clear();
  return fail(errno);
}

bool ReplacingFile::write(QByteArrayView bytes) {
  if (fd_ < 0) return fail(EBADF);
  if (!error_.isEmpty()) return false;
  const char* data = bytes.data();
  qint64 left = bytes.size();
  while (left > 0) {
    const qint64 done = FileCalls::writeSome(fd_, data, left);
    if (done < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    data += done;
    left -= done;
    written_ += done;
  }
  return true;
}

void ReplacingFile::syncSoFar() {
  if (fd_ < 0 || written_ == syncAsked_) return;
  if (!earlySync_) earlySync_ = std::make_unique<BackgroundSync>(fd_);
  earlySync_->request();
  syncAsked_ = written_;
}

int ReplacingFile::finishEarlySync() {
  const int error = earlySync_ ? earlySync_->finish() : 0;
  earlySync_.reset();
  return error;
}

bool ReplacingFile::commit(Sync sync) {
  if (fd_ < 0) return fail(EBADF);
  if (!error_.isEmpty()) {
    cancel();
    return false;
  }
  const int earlyError = finishEarlySync();
  const bool synced = sync == Sync::Skip || (!earlyError && FileCalls::syncData(fd_));
  const int syncError = earlyError ? earlyError : errno;
  const bool closed = FileCalls::close(fd_);
  const int closeError = errno;
  fd_ = -1;
  if (!synced || !closed) {
    fail(!synced ? syncError : closeError);
    cancel();
    return false;
  }
  crashPoint();
  if (!FileCalls::renameOver(temporary_, target_)) {
    fail(errno);
    cancel();
    return false;
  }
  temporary_.clear();
  if (sync == Sync::Durable) syncFolder(folderOf(target_));  // makes the rename last; the content is in place either way
  crashPoint();
  return true;
}

void ReplacingFile::cancel() {
  finishEarlySync();  // before the descriptor goes
  if (fd_ >= 0) FileCalls::close(fd_);
  fd_ = -1;
  if (!temporary_.isEmpty()) FileCalls::remove(temporary_);
  temporary_.clear();
}

bool replaceFile(const QString& target, QByteArrayView bytes, QString* error) {
  ReplacingFile file(target);
  const bool done = file.open() && file.write(bytes) && file.commit();
  if (!done && error) *error = file.errorString();
  return done;
}

void removeStaleTemporaryFiles(const QString& folder) {
  static const QRegularExpression pattern(QStringLiteral("^\\.quilmo-(\\d+)-[A-Za-z0-9]{6}\\.tmp$"));
  const QDir dir(folder);
  for (const QString& name : entryNamesOf(folder, ".quilmo-")) {
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) continue;
    // A running program may be writing it still.
    if (!FileCalls::processMayBeRunning(match.captured(1).toLongLong())) FileCalls::remove(dir.filePath(name));
  }
}

}  // namespace quilmo
