#pragma once
// File names in the data folder are matched without regard to letter case: QM.tex,
// qm.tex and Qm.Tex are one file. A name that matches no entry keeps the spelling given.
#include <QString>

namespace quilmo {

// folder ends with the native separator; returns folder + the existing entry's name,
// or folder + name when there is none.
QString resolveInFolder(const QString& folder, const QString& name);

// Appends the native separator unless the path already ends with one.
QString withTrailingSeparator(const QString& path);

}  // namespace quilmo
