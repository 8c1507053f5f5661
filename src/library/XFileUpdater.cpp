#include "library/XFileUpdater.h"

#include <QDir>
#include <QFile>

#include "platform/DataFolder.h"
#include "platform/FieldReader.h"
#include "platform/ListFile.h"
#include "platform/TextCase.h"

namespace quilmo::library {

namespace {

const QString kKeptPrefix = QStringLiteral("   ");

QString firstLineOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString line = QString::fromUtf8(file.readLine());
  return line.left(line.indexOf(u'\n'));
}

}  // namespace

bool isOldLayoutCatalogue(const QString& path) { return !firstLineOf(path).startsWith(u'"'); }

QStringList oldLayoutCatalogues(const QString& dataPath) {
  QStringList found;
  for (const QString& name : QDir(dataPath).entryList(QDir::Files))
    if (upperCased(name).endsWith(QStringLiteral(".RTF")) && isOldLayoutCatalogue(dataPath + name)) found += name;
  std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) { return compareIgnoringCase(a, b) < 0; });
  return found;
}

QString xFileProgressText(const XFileCount& count) {
  return QStringLiteral("Delete obsolute entries: [%1] %2").arg(count.lines).arg(count.file.chopped(qMin(4, count.file.size())));
}

QString xFilesFinishedText(int totalDropped) {
  return QStringLiteral("Delete obsolute entries: %1 * Finished *").arg(totalDropped);
}

XFileRun updateXFiles(const QString& dataPath, const QStringList& files,
                      const std::function<void(const XFileCount&)>& progress) {
  XFileRun run;
  for (const QString& name : files) {
    const QString path = resolveInFolder(dataPath, name);
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
      run.errors += {QFile::exists(path) ? kPathFileAccess : kFileNotFound,
                     QStringLiteral("Cannot read %1: %2").arg(name, source.errorString())};
      continue;
    }
    const QStringList lines = splitLines(QString::fromUtf8(source.readAll()));
    source.close();
    if (!lines.isEmpty() && lines.first().startsWith(u'"')) {
      run.refusals += QStringLiteral("%1 is a catalogue of the current layout; updating it would remove every "
                                     "entry, so it was left as it is.").arg(name);
      continue;
    }
    XFileCount count{name, int(lines.size()), 0};
    QStringList kept;
    for (const QString& line : lines) {
      if (line.startsWith(kKeptPrefix)) kept += line;
      else ++count.dropped;
    }
    kept += QStringLiteral(" %1 ").arg(count.lines);
    // Written beside the file and renamed over it: a crash leaves the old or the new file.
    QString why;
    if (!ListFile::rewrite(path, kept, &why)) {
      run.errors += accessError(QStringLiteral("%1: %2").arg(name, why));
      continue;
    }
    run.totalDropped += count.dropped;
    run.files += count;
    if (progress) progress(count);
  }
  return run;
}

}  // namespace quilmo::library
