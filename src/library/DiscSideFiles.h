#pragma once
// Files of our own that belong to one disc beside its catalogue: its facts and its note,
// in the data folder's hidden ".quilmo" folder. Each is named after the catalogue file as it
// is on disk (letter case included), so finding one never needs a case-blind search, and
// every program that renames, deletes or restores a catalogue moves them with it.
#include <QString>
#include <QStringList>

namespace quilmo::library {

enum class SideFile { Facts, Note };

// The side file's path relative to the data folder: ".quilmo/facts/NAME.facts" or
// ".quilmo/notes/NAME.note", for the catalogue file "NAME.rtf".
QString sideFileName(const QString& catalogueFile, SideFile kind);
// Both kinds, in a fixed order.
QStringList sideFileNames(const QString& catalogueFile);
// The folder that holds one kind: dataPath + ".quilmo/facts/" or ".quilmo/notes/".
QString sideFileFolder(const QString& dataPath, SideFile kind);
// Both, in the same fixed order.
QStringList sideFileFolders(const QString& dataPath);
// The absolute path of the side file of the catalogue at cataloguePath.
QString sideFilePath(const QString& cataloguePath, SideFile kind);

}  // namespace quilmo::library
