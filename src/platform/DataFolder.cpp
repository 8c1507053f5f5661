#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "platform/FolderReader.h"
#include "platform/TextCase.h"

namespace quilmo {

QString resolveInFolder(const QString& folder, const QString& name) {
  const QString exact = folder + name;
  return QFileInfo::exists(exact) ? exact : resolveAllInFolder(folder, {name}).constFirst();
}

QStringList entryNamesOf(const QString& folder, QByteArrayView prefix) {
  QStringList names;
  const int fd = openFolder(folderPathBytes(folder).c_str());
  FolderReader reader;
  reader.start(fd);
  for (FolderEntry entry; reader.next(entry);) {
    const QByteArrayView raw(entry.name.data(), qsizetype(entry.name.size()));
    if (!raw.startsWith(prefix)) continue;
#ifdef Q_OS_WIN
    names += QString::fromUtf8(raw);
#else
    names += QFile::decodeName(raw.toByteArray());
#endif
  }
  if (fd >= 0) closeFolder(fd);
  return names;
}

QStringList resolveAllInFolder(const QString& folder, const QStringList& names) {
  const QStringList entries = entryNamesOf(folder);
  const QSet<QString> exact(entries.begin(), entries.end());
  // Of entries alike but for case, the one that sorts first by name, as above; made only
  // when some name has no entry of its own spelling.
  QHash<QString, QString> byCapitals;
  QStringList paths;
  for (const QString& name : names) {
    if (exact.contains(name)) {
      paths += folder + name;
      continue;
    }
    if (byCapitals.isEmpty())
      for (const QString& entry : entries) {
        QString& chosen = byCapitals[upperCased(entry)];
        if (chosen.isEmpty() || entry < chosen) chosen = entry;
      }
    paths += folder + byCapitals.value(upperCased(name), name);
  }
  return paths;
}

QString withTrailingSeparator(const QString& path) {
  const QString sep = QDir::separator();
  return path.endsWith(sep) ? path : path + sep;
}

}  // namespace quilmo
