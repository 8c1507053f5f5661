#include "search/reports/Reports.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/NameRules.h"
#include "platform/ReplacingFile.h"
#include "platform/TextCase.h"

namespace quilmo::search {

QString quickReportPath(const QString& appFolder) {
  return resolveInFolder(appFolder, QString::fromLatin1(kQuickReportName));
}

bool clearQuickReport(const QString& appFolder, QString* error) {
  QFile file(quickReportPath(appFolder));
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;
  if (error) *error = file.errorString();
  return false;
}

QString makeReportFolder(const QString& dataPath) {
  const QString folder = withTrailingSeparator(resolveInFolder(dataPath, QString::fromLatin1(kReportFolderName)));
  QDir().mkpath(folder);
  return folder;
}

ReportResult saveQuickReport(const QString& appFolder, const QString& dataPath, const QString& name) {
  ReportResult result;
  result.message = whyNameIsRefused(name);
  if (!result.message.isEmpty()) return result;
  QFile quick(quickReportPath(appFolder));
  if (!quick.open(QIODevice::ReadOnly)) {
    result.message = QStringLiteral("There is no quick report to save (%1).").arg(quick.errorString());
    return result;
  }
  const QByteArray bytes = quick.readAll();
  const QString folder = makeReportFolder(dataPath);
  removeStaleTemporaryFiles(folder);  // those of saves that were killed
  result.path = resolveInFolder(folder, name + QStringLiteral(".rtf"));
  QString error;
  if (!ListFile::rewriteBytes(result.path, bytes, &error)) {
    result.message = QStringLiteral("The report could not be saved as %1: %2").arg(result.path, error);
    return result;
  }
  result.ok = true;
  return result;
}

QString savedMessage(const QString& path) {
  return QStringLiteral("The report was saved in the following folder:\n\n") + path;
}

QStringList savedReports(const QString& dataPath) {
  const QString folder = resolveInFolder(dataPath, QString::fromLatin1(kReportFolderName));
  QStringList names = QDir(folder).entryList({QStringLiteral("*.rtf")}, QDir::Files | QDir::CaseSensitive);
  // The filter above is exact about letter case; add the other spellings of .rtf.
  for (const QString& entry : QDir(folder).entryList(QDir::Files))
    if (entry.size() > 4 && equalsIgnoringCase(QStringView(entry).right(4), u".rtf") && !names.contains(entry))
      names += entry;
  std::stable_sort(names.begin(), names.end(),
                   [](const QString& a, const QString& b) { return compareIgnoringCase(a, b) < 0; });
  return names;
}

QString withReportAppended(const QString& viewText, const QString& reportName, const QString& reportText) {
  return viewText + u'\n' + QStringLiteral("================") + reportName + QStringLiteral("==============") +
         u'\n' + reportText;
}

QString savedReportText(const QString& dataPath, const QString& reportName, bool* readable) {
  if (readable) *readable = false;
  if (!whyNameIsRefused(reportName).isEmpty()) return {};
  const QString folder = withTrailingSeparator(resolveInFolder(dataPath, QString::fromLatin1(kReportFolderName)));
  QFile file(resolveInFolder(folder, reportName));
  if (!file.open(QIODevice::ReadOnly)) return {};
  if (readable) *readable = true;
  QString text = QString::fromUtf8(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace quilmo::search
