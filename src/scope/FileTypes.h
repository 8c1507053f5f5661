#pragma once
// File types (extensions in capitals, no dot) of the search panel's list ExtLys.
#include <QString>
#include <QStringList>

namespace quilmo::scope {

// The numeric value of the SLen box: its leading digits, 0 when there are none.
int extensionLength(const QString& slenText);
// SLen on leaving the box: empty, or two characters or more, become "4".
QString settledExtensionLength(const QString& slenText);

// ExtractExtension: the file type of a file name. length 0: what follows the last "."
// (the whole name without one); length L > 0: the last L characters, from after the
// first "." among them, and nothing when that leaves fewer than L - 1. In capitals.
QString extractExtension(const QString& fileName, int length);

enum class AddOutcome { Added, Empty, Duplicate, Refused };
// ADD Extention: the text in capitals joins the list unless empty or already listed
// (ignoring case). A type names its split file Split-9/TYPE.rtf, so a type that is not a
// plain file name is refused.
AddOutcome addFileType(QStringList& types, const QString& text);

// "Search Extention": appends the type of each name (skipping empty and listed ones).
void addFileTypesOf(QStringList& types, const QStringList& fileNames, int length);

// The caption of Label7(1) after a type was added: the count shown is one less than the
// number of types.
QString fileTypeCaption(qsizetype typeCount);
inline constexpr auto kFileTypeCaption = "File type to search for";

}  // namespace quilmo::scope
