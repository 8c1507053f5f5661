#include "library/DiscNote.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "library/DiscSideFiles.h"
#include "library/LibraryLock.h"
#include "library/PendingChange.h"
#include "platform/ReplacingFile.h"

namespace quilmo::library {

namespace {
QString failed(QString* error, const QString& why) {
  if (error) *error = why;
  return why;
}
}  // namespace

QString readNote(const QString& cataloguePath) {
  QFile file(sideFilePath(cataloguePath, SideFile::Note));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromUtf8(file.read(64 * 1024)).trimmed();
  // A note edited by hand into something we would refuse is not shown as if it were one.
  return whyNoteIsRefused(text).isEmpty() ? text : QString();
}

QString whyNoteIsRefused(const QString& text) {
  for (const QChar c : text)
    if (c.category() == QChar::Other_Control)
      return QStringLiteral("A note is one line of plain text: it cannot hold control characters such as "
                            "line breaks or tabs.");
  return {};
}

bool writeNote(const QString& dataPath, const QString& cataloguePath, const QString& text, QString* error) {
  const QString note = text.trimmed();
  if (const QString why = whyNoteIsRefused(note); !why.isEmpty()) return failed(error, why), false;
  LibraryLock lock(dataPath);
  if (!lockForChange(lock)) return failed(error, lock.refusal()), false;
  // Checked under the lock: a rename in another program may have moved the disc away.
  if (!QFileInfo::exists(cataloguePath))
    return failed(error, QStringLiteral("The catalogue %1 is missing.").arg(QDir::toNativeSeparators(cataloguePath))), false;
  const QString path = sideFilePath(cataloguePath, SideFile::Note);
  if (note.isEmpty()) {
    if (!QFile::exists(path) || QFile::remove(path)) return true;
    return failed(error, QStringLiteral("The note %1 could not be removed.").arg(QDir::toNativeSeparators(path))), false;
  }
  if (!QDir().mkpath(QFileInfo(path).path()))
    return failed(error, whyFolderTakesNoFiles(QFileInfo(path).path())), false;
  return replaceFile(path, note.toUtf8() + '\n', error);
}

}  // namespace quilmo::library
