#pragma once
// What lets a finished file take another's place without a moment in which a crash
// leaves half of it: its content goes to the disc first, then it is renamed over the target.
#include <QString>

class QFileDevice;

namespace quilmo {

// Asks the system to start writing the given part of an open file to the disc now, without
// waiting, so that a later syncToDisk finds little left to do.
void startWriteBack(const QFileDevice& file, qint64 offset, qint64 length);

// Writes what the system still holds in memory of the file at path to the disc.
bool syncToDisk(const QString& path, QString* error = nullptr);

// Renames from over to in one step, replacing to when it exists. Fails (with the reason)
// when the two lie on different file systems, among other things.
bool moveOver(const QString& from, const QString& to, QString* error = nullptr);

}  // namespace quilmo
