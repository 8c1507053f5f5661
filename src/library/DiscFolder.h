#pragma once
// From a text selected in the catalogue view to the folder on the disc in the drive, and
// the listing of that folder for the file list FiL.
#include <QString>
#include <QStringList>
#include <optional>

namespace quilmo {
class DriveMap;
}

namespace quilmo::library {

// The folder, from the root of the disc, that a selection points at: "\Photos" for
// "D:\Photos\beach.jpg", "\DOCS" for the catalogue line "E:\DOCS\","a.txt" in quotes, the
// same after a hit line's "*disc* " mark; empty for the root. The drive letter is
// dropped, so the folder can be opened on whatever letter the disc drive has now.
// Nothing (no folder at all) for a selection of fewer than two characters.
std::optional<QString> discFolderOfSelection(const QString& selection);

// The catalogue a selection was taken from, for telling which disc it belongs to: the
// disc a hit line "*disc* line" names, else viewedFile (the file the view shows) when it
// is a catalogue of the data folder. Empty when neither tells, and when a hit line names
// what cannot be a disc name.
QString catalogueOfSelection(const QString& selection, const QString& viewedFile, const QString& dataPath);

struct DiscFolder {
  int errorNumber = 0;  // 0, 68 (no disc in the drive) or 76 (not this disc)
  QString heading;      // the message panel's heading and text when errorNumber is set
  QString message;
  QString browseFolder;  // BrowseFolder: the disc form, "E:\Photos\"
  QString nativeFolder;  // where it is on this machine, ending with the separator
  QStringList entries;   // FiL: one entry per file, sorted
};

// Opens `folder` (as discFolderOfSelection gives it) on drive `letter`.
DiscFolder openDiscFolder(const DriveMap& drives, QChar letter, const QString& folder);

// The FiL entries of a native folder: every file, type-prefixed, sorted ignoring case.
QStringList fileListEntries(const QString& nativeFolder);

}  // namespace quilmo::library
