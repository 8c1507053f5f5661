#pragma once
// Plain text list files: UTF-8, lines ended by CR LF when written, LF or CR LF when read.
#include <QStringList>

namespace quilmo::ListFile {

// Opens for appending and closes: a missing file appears empty, an existing one is untouched.
bool ensureExists(const QString& path, QString* error = nullptr);

QStringList readLines(const QString& path);
// Every field of every line, in file order (see FieldReader).
QStringList readFields(const QString& path);

// Adds line at the end; the file is rewritten whole, so a crash or a full disk leaves the
// old content or the new, never a half line.
bool appendLine(const QString& path, const QString& line, QString* error = nullptr);

// Whole-file rewrite that a crash cannot leave half-done: a temporary file in the same
// folder is written, flushed and synced, then renamed over the target (ReplacingFile).
bool rewrite(const QString& path, const QStringList& lines, QString* error = nullptr);
bool rewriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

}  // namespace quilmo::ListFile
