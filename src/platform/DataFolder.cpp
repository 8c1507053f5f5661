#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "platform/TextCase.h"

namespace quilmo {

QString resolveInFolder(const QString& folder, const QString& name) {
  const QString exact = folder + name;
  if (QFileInfo::exists(exact)) return exact;
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries)
    if (equalsIgnoringCase(entry, name)) return folder + entry;
  return exact;
}

QStringList resolveAllInFolder(const QString& folder, const QStringList& names) {
  const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
  const QSet<QString> exact(entries.begin(), entries.end());
  // Of entries alike but for case, the one that sorts first by name, as above.
  QHash<QString, QString> byCapitals;
  for (const QString& entry : entries) {
    QString& chosen = byCapitals[upperCased(entry)];
    if (chosen.isEmpty() || entry < chosen) chosen = entry;
  }
  QStringList paths;
  for (const QString& name : names) {
    const auto found = exact.contains(name) ? byCapitals.constEnd() : byCapitals.constFind(upperCased(name));
    paths += folder + (found == byCapitals.constEnd() ? name : *found);
  }
  return paths;
}

QString withTrailingSeparator(const QString& path) {
  const QString sep = QDir::separator();
  return path.endsWith(sep) ? path : path + sep;
}

}  // namespace quilmo
