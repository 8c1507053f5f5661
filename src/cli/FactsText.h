#pragma once
// How a disc's facts read: sizes and times for a person at a terminal (sizes in binary
// units, times in local time) and for other programs (bytes, ISO 8601 in UTC).
#include <QDateTime>
#include <QString>

namespace quilmo::cli {

// The moment of a file time: nanoseconds since 1970-01-01 UTC, to the millisecond.
QDateTime fileTime(qint64 nanoseconds);

// "512 B", "1.5 KiB", "667.6 MiB" ... "TiB": a size at a glance, base 1024.
QString sizeText(qint64 bytes);
// "700,000,000 bytes (667.6 MiB)": the exact count, and at a glance.
QString bytesText(qint64 bytes);
// "2024-05-01 12:34:56" in local time.
QString localTimeText(const QDateTime& time);
// "2024-05-01T10:34:56Z".
QString utcTimeText(const QDateTime& time);

}  // namespace quilmo::cli
