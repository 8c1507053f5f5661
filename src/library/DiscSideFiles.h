#pragma once
// Files of our own that belong to one disc beside its catalogue: its facts and its note,
// in the data folder's hidden ".quilmo" folder. Each is named after the catalogue file as it
// is on disk (letter case included), so finding one never needs a case-blind search, and
// every program that renames, deletes or restores a catalogue moves them with it
// (SideFileSteps).
#include <QString>
#include <QStringList>

namespace quilmo::library {

enum class SideFile { Facts, Note };
inline constexpr SideFile kSideFiles[] = {SideFile::Facts, SideFile::Note};

// The side file's path below the hidden folder, or below a folder laid out like it (where a
// delete keeps them aside): "facts/NAME.facts" or "notes/NAME.note", for the catalogue file
// "NAME.rtf". The catalogue file must be a plain file name, so the path stays in its folder.
QString sideFileSubPath(const QString& catalogueFile, SideFile kind);
// The side file's path relative to the data folder: ".quilmo/" + sideFileSubPath().
QString sideFileName(const QString& catalogueFile, SideFile kind);
// Both kinds, in a fixed order.
QStringList sideFileNames(const QString& catalogueFile);
// The folders that hold them below `folder`: "facts/" and "notes/".
QStringList sideFileFoldersIn(const QString& folder);
// The folder that holds one kind: dataPath + ".quilmo/facts/" or ".quilmo/notes/".
QString sideFileFolder(const QString& dataPath, SideFile kind);
// The folders that hold them: dataPath + ".quilmo/facts/" and ".quilmo/notes/".
QStringList sideFileFolders(const QString& dataPath);
// The absolute path of the side file of the catalogue at cataloguePath.
QString sideFilePath(const QString& cataloguePath, SideFile kind);

}  // namespace quilmo::library
