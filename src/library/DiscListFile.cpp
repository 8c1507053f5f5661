#include "library/DiscListFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

#include "platform/DataFolder.h"
#include "platform/ListFile.h"

namespace quilmo::library {

namespace {

const QString kList = QStringLiteral("QM.tex");
const QString kBackup = QStringLiteral("Qm.Tex.Bak");
const QString kFetch = QStringLiteral("QmFetch.xxx");

void step(const StepHook& hook, int number) {
  if (hook) hook(number);
}

// A rename reaches the disc only with the folder that records it.
void syncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#else
  Q_UNUSED(folder);
#endif
}

}  // namespace

DiscListPaths::DiscListPaths(const QString& folder) : dataPath(folder) {}
QString DiscListPaths::list() const { return resolveInFolder(dataPath, kList); }
QString DiscListPaths::backup() const { return resolveInFolder(dataPath, kBackup); }
QString DiscListPaths::fetch() const { return resolveInFolder(dataPath, kFetch); }

bool recoverDiscList(const QString& dataPath) {
  const DiscListPaths paths(dataPath);
  if (QFileInfo::exists(paths.list()) || !QFileInfo::exists(paths.fetch())) return false;
  if (renameFile(paths.fetch(), paths.list()).number != 0) return false;
  syncFolder(dataPath);
  return true;
}

QStringList readDiscList(const QString& dataPath) {
  recoverDiscList(dataPath);
  return ListFile::readFields(DiscListPaths(dataPath).list());
}

StepError appendToDiscList(const QString& dataPath, const QString& name) {
  recoverDiscList(dataPath);
  const QString list = DiscListPaths(dataPath).list();
  QByteArray bytes;
  QFile old(list);
  if (old.exists()) {
    if (!old.open(QIODevice::ReadOnly)) return accessError(old.errorString());
    bytes = old.readAll();
  }
  // A last line without its line end would otherwise swallow the new name.
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
  bytes += name.toUtf8() + "\r\n";
  QString why;
  if (!ListFile::rewriteBytes(list, bytes, &why)) return accessError(why);
  return {};
}

StepError rewriteDiscList(const QString& dataPath, const QStringList& names, const StepHook& afterStep) {
  recoverDiscList(dataPath);
  const DiscListPaths paths(dataPath);
  const QString list = paths.list();  // keeps the spelling the folder already uses

  QString why;
  if (!ListFile::rewrite(paths.fetch(), names, &why)) return accessError(why);
  step(afterStep, 1);

  const QString backup = paths.backup();
  if (!ListFile::ensureExists(backup, &why)) return accessError(why);
  step(afterStep, 2);
  if (StepError e = removeFile(backup); e.number) return e;
  step(afterStep, 3);
  if (QFileInfo::exists(list))
    if (StepError e = renameFile(list, backup); e.number) return e;
  syncFolder(dataPath);
  step(afterStep, 4);
  if (StepError e = renameFile(paths.fetch(), list); e.number) return e;
  syncFolder(dataPath);
  step(afterStep, 5);
  return {};
}

StepError restoreDiscListBackup(const QString& dataPath) {
  const QString backup = DiscListPaths(dataPath).backup();
  if (!QFileInfo::exists(backup))
    return {kFileNotFound, QStringLiteral("There is no earlier disc list to go back to (no Qm.Tex.Bak).")};
  return rewriteDiscList(dataPath, ListFile::readFields(backup));
}

}  // namespace quilmo::library
