#pragma once
// The catalogue a command's NAME stands for: DATA/NAME.rtf, its letter case as on disk.
#include <QString>

namespace quilmo::cli {

// The catalogue's path; empty, with the reason in why, when the name is refused or the
// disc has no catalogue.
QString cataloguePathOf(const QString& dataPath, const QString& disc, QString* why);

}  // namespace quilmo::cli
