#pragma once
// File names in the data folder are matched without regard to letter case: QM.tex,
// qm.tex and Qm.Tex are one file. A name that matches no entry keeps the spelling given.
#include <QString>
#include <QStringList>

namespace quilmo {

// folder ends with the native separator; returns folder + the existing entry's name,
// or folder + name when there is none.
QString resolveInFolder(const QString& folder, const QString& name);
// The same for many names, from one listing of the folder instead of a look-up per name.
QStringList resolveAllInFolder(const QString& folder, const QStringList& names);

// Appends the native separator unless the path already ends with one.
QString withTrailingSeparator(const QString& path);

}  // namespace quilmo
