#pragma once
// Extension sets (Sette, AppFolder + "sette.lys"): the file types of one search in list
// order, each followed by one blank, e.g. "JPG GIF ".
#include <QString>
#include <QStringList>

namespace quilmo::scope {

// The set of the selected types, each followed by one blank.
QString extensionSetLine(const QStringList& selectedTypes);

// Whether a search starting with this set stores it: more than one character and not
// yet among the sets. Sets compare ignoring case and trailing blanks, because the list
// file's reader drops a field's trailing blank ("JPG GIF" read back is "JPG GIF ").
bool isNewExtensionSet(const QString& line, const QStringList& sets);

// The words of a set: split at every blank of the text (with one blank added at the end
// when it does not end in one); two blanks in a row give an empty word.
QStringList extensionSetWords(const QString& setText);

// Choosing a set: the rows of types to select, ascending (every row equal to a word,
// ignoring case). Rows already selected stay selected; that is up to the caller.
QList<int> rowsOfExtensionSet(const QStringList& types, const QString& setText);

inline constexpr auto kExtensionSetsText = "Extention SETS";

}  // namespace quilmo::scope
