#include "capture/DiscListFile.h"

#include <QFile>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"

namespace quilmo::DiscListFile {

QString path(const QString& dataPath) { return resolveInFolder(dataPath, QStringLiteral("QM.tex")); }

QStringList names(const QString& dataPath) { return ListFile::readFields(path(dataPath)); }

bool append(const QString& dataPath, const QString& name, QString* error) {
  const QString file = path(dataPath);
  QByteArray bytes;
  QFile old(file);
  if (old.exists()) {
    if (!old.open(QIODevice::ReadOnly)) {
      if (error) *error = old.errorString();
      return false;
    }
    bytes = old.readAll();
  }
  // A last line without its line end would otherwise swallow the new name.
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
  bytes += name.toUtf8() + "\r\n";
  return ListFile::rewriteBytes(file, bytes, error);
}

}  // namespace quilmo::DiscListFile
