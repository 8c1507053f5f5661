#pragma once
// Entries of the file list FiL. A name whose last dot is followed by exactly three
// characters is listed with those three characters, a blank and the whole name
// ("txt report.txt"), so a sorted list groups files by type; other names as they are.
#include <QString>

namespace quilmo::library {

QString fileListEntry(const QString& fileName);
// The file name back from an entry.
QString fileNameOfEntry(const QString& entry);
// The type prefix of an entry: its first three characters (FiL.Tag).
QString typePrefixOf(const QString& entry);

}  // namespace quilmo::library
