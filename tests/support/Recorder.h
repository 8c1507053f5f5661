#pragma once
// A stand-in program for tests that start programs: a shell script that writes each
// argument it gets on a line of its own into a record file.
#include <QByteArray>
#include <QString>

namespace quilmo::test {

// Writes the script at `path` (made executable) and returns path.
QString writeRecorder(const QString& path, const QString& record);

// The record once the program has written it (empty after ten seconds without one).
QByteArray waitForRecord(const QString& record);

}  // namespace quilmo::test
