#pragma once
// "Update X-Files": strips the obsolete lines out of catalogues of the older layout, in
// which every entry line begins with three blanks. A catalogue of the current layout
// (first line beginning with a double quote) would lose every entry, so it is refused.
#include <QString>
#include <QStringList>
#include <functional>

#include "library/StepError.h"

namespace quilmo::library {

struct XFileCount {
  QString file;    // file name as given
  int lines = 0;   // every line read
  int dropped = 0; // lines that did not begin with three blanks
};

struct XFileRun {
  QList<XFileCount> files;  // the files that were updated
  int totalDropped = 0;
  QStringList refusals;     // one sentence per file left alone
  StepErrors errors;
};

// True when the file's entry lines are of the older layout (or it is empty).
bool isOldLayoutCatalogue(const QString& path);

// The ".rtf" files of the data folder that the tool may be applied to, sorted.
QStringList oldLayoutCatalogues(const QString& dataPath);

// "Delete obsolute entries: [" + lines + "] " + name without its last four characters.
QString xFileProgressText(const XFileCount& count);
// "Delete obsolute entries: " + total + " * Finished *".
QString xFilesFinishedText(int totalDropped);

// Updates each file (names relative to dataPath) in order; `progress` runs after each.
XFileRun updateXFiles(const QString& dataPath, const QStringList& files,
                      const std::function<void(const XFileCount&)>& progress = {});

}  // namespace quilmo::library
