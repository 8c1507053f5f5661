#pragma once
// The list files of the search panel, read field-wise (a missing file is created empty
// first) and rewritten crash-safe:
//   DataPath  ExtLys.ini   file types, one per line
//   DataPath  ExtLys.inZ   the same, written by "START" only
//   DataPath  RemSel.ini   names of saved disc selections
//   AppFolder sette.lys    extension sets, one per line
#include <QString>
#include <QStringList>

namespace quilmo::scope {

QStringList readFileTypes(const QString& dataPath);
bool saveFileTypes(const QString& dataPath, const QStringList& types, QString* error = nullptr);
// "START": both ExtLys.ini and ExtLys.inZ.
bool saveFileTypesAtStart(const QString& dataPath, const QStringList& types, QString* error = nullptr);

QStringList readSelectionNames(const QString& dataPath);
bool saveSelectionNames(const QString& dataPath, const QStringList& names, QString* error = nullptr);

// The sets of sette.lys, each once (ignoring case).
QStringList readExtensionSets(const QString& appFolder);
// Adds a set as the file's last line.
bool appendExtensionSet(const QString& appFolder, const QString& line, QString* error = nullptr);

}  // namespace quilmo::scope
