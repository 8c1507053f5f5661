#include "library/StepError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/CrashPoint.h"
#include "platform/NameRules.h"

namespace quilmo::library {

namespace {

StepError missingOrDenied(const QString& path, const QString& what, const QFile& file) {
  if (!QFileInfo(path).dir().exists())
    return {kPathNotFound, QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(path))};
  if (!QFileInfo::exists(path))
    return {kFileNotFound, QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path))};
  return {kPathFileAccess, QStringLiteral("Path/File access error: %1 %2 (%3)")
                               .arg(what, QDir::toNativeSeparators(path), file.errorString())};
}

}  // namespace

StepError renameFile(const QString& from, const QString& to) {
  QFile file(from);
  if (file.rename(to)) {
    crashPoint();
    return {};
  }
  // The target only counts as existing when it is another file, not `from` in other case.
  if (QFileInfo::exists(to) && QFileInfo(to).canonicalFilePath() != QFileInfo(from).canonicalFilePath())
    return {kFileAlreadyExists, QStringLiteral("File already exists: %1").arg(QDir::toNativeSeparators(to))};
  return missingOrDenied(from, QStringLiteral("cannot rename"), file);
}

StepError removeFile(const QString& path) {
  QFile file(path);
  if (file.remove()) {
    crashPoint();
    return {};
  }
  return missingOrDenied(path, QStringLiteral("cannot delete"), file);
}

StepError accessError(const QString& text) {
  return {kPathFileAccess, QStringLiteral("Path/File access error: %1").arg(text)};
}

QString skippedMessage(const QStringList& names) {
  QStringList shown;
  for (const QString& name : names) shown += QStringLiteral("\"%1\"").arg(printableName(name));
  return QStringLiteral("These disc list entries are not usable file names, so no file was touched for them: %1")
      .arg(shown.join(QStringLiteral(", ")));
}

QString stepErrorMessage(int index, const StepError& error) {
  return QStringLiteral("SSPanel1_click(%1)-(%2)").arg(index).arg(error.number) + u'\n' + error.text;
}

}  // namespace quilmo::library
