#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>

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

QString withTrailingSeparator(const QString& path) {
  const QString sep = QDir::separator();
  return path.endsWith(sep) ? path : path + sep;
}

}  // namespace quilmo
