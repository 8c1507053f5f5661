#include "scope/ScopeFiles.h"

#include <QFile>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/TextCase.h"

namespace quilmo::scope {

namespace {

QStringList readCreating(const QString& folder, const QString& name) {
  const QString path = resolveInFolder(folder, name);
  ListFile::ensureExists(path);
  return ListFile::readFields(path);
}

bool rewriteIn(const QString& folder, const QString& name, const QStringList& lines, QString* error) {
  return ListFile::rewrite(resolveInFolder(folder, name), lines, error);
}

}  // namespace

QStringList readFileTypes(const QString& dataPath) { return readCreating(dataPath, QStringLiteral("ExtLys.ini")); }

bool saveFileTypes(const QString& dataPath, const QStringList& types, QString* error) {
  return rewriteIn(dataPath, QStringLiteral("ExtLys.ini"), types, error);
}

bool saveFileTypesAtStart(const QString& dataPath, const QStringList& types, QString* error) {
  return saveFileTypes(dataPath, types, error) && rewriteIn(dataPath, QStringLiteral("ExtLys.inZ"), types, error);
}

QStringList readSelectionNames(const QString& dataPath) {
  return readCreating(dataPath, QStringLiteral("RemSel.ini"));
}

bool saveSelectionNames(const QString& dataPath, const QStringList& names, QString* error) {
  return rewriteIn(dataPath, QStringLiteral("RemSel.ini"), names, error);
}

QStringList readExtensionSets(const QString& appFolder) {
  QStringList sets;
  for (const QString& set : readCreating(appFolder, QStringLiteral("sette.lys")))
    if (indexIgnoringCase(sets, set) < 0) sets += set;
  return sets;
}

bool appendExtensionSet(const QString& appFolder, const QString& line, QString* error) {
  // Rewritten whole rather than appended to, so a crash cannot leave half a line.
  const QString path = resolveInFolder(appFolder, QStringLiteral("sette.lys"));
  QFile file(path);
  QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  file.close();
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
  return ListFile::rewriteBytes(path, bytes + line.toUtf8() + "\r\n", error);
}

}  // namespace quilmo::scope
