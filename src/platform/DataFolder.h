#pragma once
// File names in the data folder are matched without regard to letter case: QM.tex,
// qm.tex and Qm.Tex are one file. A name that matches no entry keeps the spelling given.
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace quilmo {

// folder ends with the native separator; returns folder + the existing entry's name,
// or folder + name when there is none.
QString resolveInFolder(const QString& folder, const QString& name);
// The names in folder, in the file system's order, from one raw listing: QDir's asks every
// entry's status, which in a data folder of thousands of catalogues costs more than the
// rest of a search. None when it cannot be listed. With a prefix, only the names that begin
// with those bytes: the others are not even decoded.
QStringList entryNamesOf(const QString& folder, QByteArrayView prefix = {});
// The same for many names, from one listing of the folder instead of a look-up per name.
QStringList resolveAllInFolder(const QString& folder, const QStringList& names);

// Appends the native separator unless the path already ends with one.
QString withTrailingSeparator(const QString& path);

}  // namespace quilmo
