#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/FolderReader.h"
#include "platform/TextCase.h"

namespace quilmo {

QString resolveInFolder(const QString& folder, const QString& name) {
  const QString exact = folder + name;
  return QFileInfo::exists(exact) ? exact : resolveAllInFolder(folder, {name}).constFirst();
}

namespace {

// The names of a folder's entries as the file system spells them.
std::vector<std::string> entryBytesOf(const QString& folder) {
  std::vector<std::string> names;
  const int fd = openFolder(folderPathBytes(folder).c_str());
  FolderReader reader;
  reader.start(fd);
  for (FolderEntry entry; reader.next(entry);) names.emplace_back(entry.name);
  if (fd >= 0) closeFolder(fd);
  return names;
}

QString decodedName(std::string_view bytes) {
  const QByteArrayView raw(bytes.data(), qsizetype(bytes.size()));
#ifdef Q_OS_WIN
  return QString::fromUtf8(raw);
#else
  return QFile::decodeName(raw.toByteArray());
#endif
}

}  // namespace

QStringList entryNamesOf(const QString& folder, QByteArrayView prefix) {
  QStringList names;
  for (const std::string& bytes : entryBytesOf(folder))
    if (QByteArrayView(bytes.data(), qsizetype(bytes.size())).startsWith(prefix)) names += decodedName(bytes);
  return names;
}

QStringList resolveAllInFolder(const QString& folder, const QStringList& names) {
  // Matched by their bytes, the entries are decoded only when some name has no entry of
  // its own spelling: a data folder holds thousands.
  const std::vector<std::string> entries = entryBytesOf(folder);
  const std::unordered_set<std::string_view> exact(entries.begin(), entries.end());
  // Of entries alike but for case, the one that sorts first by name.
  QHash<QString, QString> byCapitals;
  QStringList paths;
  paths.reserve(names.size());
  for (const QString& name : names) {
    if (exact.contains(folderPathBytes(name))) {  // the name as the file system spells it
      paths += folder + name;
      continue;
    }
    if (byCapitals.isEmpty())
      for (const std::string& entryBytes : entries) {
        const QString entry = decodedName(entryBytes);
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
