#pragma once
// The printer of the global search: the quick report AppFolder + "QReport.rtf" (one hit
// line per line, CR LF, no header) and the saved reports in DataPath + "QReport/".
#include <QString>
#include <QStringList>

#include "search/matcher/HitLines.h"

namespace quilmo::search {

inline constexpr auto kQuickReportName = "QReport.rtf";
inline constexpr auto kReportFolderName = "QReport";

QString quickReportPath(const QString& appFolder);

// Empties the quick report, creating it when missing (a search starts so). An empty file
// cannot be left half written, so this needs no temporary file and no sync.
bool clearQuickReport(const QString& appFolder, QString* error = nullptr);

// Outcome of saving or loading; message is empty on success.
struct ReportResult {
  bool ok = false;
  QString path;     // the saved report
  QString message;  // why it failed, in the program's own words
};

// MakePaD: the report folder DataPath + "QReport", created when missing.
QString makeReportFolder(const QString& dataPath);

// Saves a copy of the quick report as DataPath + "QReport/" + name + ".rtf", replacing a
// report of that name. Names that are not plain file names are refused, nothing written.
ReportResult saveQuickReport(const QString& appFolder, const QString& dataPath, const QString& name);

// "The report was saved in the following folder:" + LF + LF + path.
QString savedMessage(const QString& path);

// The saved reports ("name.rtf"), in alphabetical order.
QStringList savedReports(const QString& dataPath);

// The view's text after appending one saved report (as the file's text, line ends LF):
// text + LF + "================" + name + "==============" + LF + report.
QString withReportAppended(const QString& viewText, const QString& reportName, const QString& reportText);
// A saved report's text (empty when it cannot be read); names are refused as for saving.
// readable, when given, tells an empty report from one that could not be read.
QString savedReportText(const QString& dataPath, const QString& reportName, bool* readable = nullptr);

}  // namespace quilmo::search
