#pragma once
// The disc-list file QM.tex in the data folder: one disc name per line, CR LF, written
// as typed, read field-wise. Its name is matched without regard to case.
#include <QString>
#include <QStringList>

namespace quilmo::DiscListFile {

QString path(const QString& dataPath);
// Every field of the file in file order, empty ones included; a missing file gives none.
QStringList names(const QString& dataPath);
// Adds name as the last line. The file is rewritten whole through a temporary file, so
// a crash leaves either the old list or the new one; the old bytes are kept as they were.
bool append(const QString& dataPath, const QString& name, QString* error = nullptr);

}  // namespace quilmo::DiscListFile
