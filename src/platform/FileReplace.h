#pragma once
// The two steps that let a finished file take another's place without a window in which
// a crash leaves half of it: push its content to the disc, then rename it over the target.
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
