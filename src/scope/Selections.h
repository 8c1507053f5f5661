#pragma once
// Saved disc selections: the names in RemSel.ini, and one file DataPath + name + ".ini"
// per selection holding the positions (from 0) of the selected disc rows, each written
// as " N " on a line of its own. Positions, not names: a selection picks whatever disc
// stands at that position when it is applied.
#include <QList>
#include <QString>
#include <QStringList>

namespace quilmo::scope {

QString selectionFilePath(const QString& dataPath, const QString& name);

// The text of a selection file.
QByteArray selectionFileBytes(const QList<int>& positions);
// The positions of a selection file (created empty when missing), keeping only those
// below rowCount: positions past the end of the disc list select nothing.
QList<int> readSelection(const QString& dataPath, const QString& name, int rowCount);

struct SelectionResult {
  bool ok = false;
  QString message;  // why not, in the program's own words
};

// Remember Selection: refuses an empty name ("I don't like files with no names. . ."),
// a name already listed (ignoring case), a name that is no plain file name or that is
// the name of one of the panel's own list files; otherwise adds it to names, rewrites
// RemSel.ini and writes the selection file.
SelectionResult rememberSelection(const QString& dataPath, QStringList& names, const QString& answer,
                                  const QList<int>& selectedPositions);

// Delete Selection (after the user said Yes): removes the name from names, deletes its
// file and rewrites RemSel.ini. A name not in the list changes nothing.
SelectionResult deleteSelection(const QString& dataPath, QStringList& names, const QString& name);

}  // namespace quilmo::scope
