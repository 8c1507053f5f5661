#include "platform/ListFile.h"

#include <QFile>

#include "platform/FieldReader.h"
#include "platform/ReplacingFile.h"

namespace quilmo::ListFile {

namespace {

bool fail(QString* error, const QFileDevice& file) {
  if (error) *error = file.errorString();
  return false;
}

QByteArray joinedLines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    bytes += line.toUtf8();
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace

bool ensureExists(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::Append)) return fail(error, file);
  return true;
}

QStringList readLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return splitLines(QString::fromUtf8(file.readAll()));
}

QStringList readFields(const QString& path) {
  QStringList fields;
  for (const QString& line : readLines(path)) fields += quilmo::readFields(line);
  return fields;
}

bool appendLine(const QString& path, const QString& line, QString* error) {
  QByteArray bytes;
  QFile old(path);
  if (old.exists()) {
    if (!old.open(QIODevice::ReadOnly)) return fail(error, old);
    bytes = old.readAll();
  }
  // A last line without its line end would otherwise swallow the new one.
  if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += "\r\n";
  return rewriteBytes(path, bytes + line.toUtf8() + "\r\n", error);
}

bool rewrite(const QString& path, const QStringList& lines, QString* error) {
  return rewriteBytes(path, joinedLines(lines), error);
}

bool rewriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
  return replaceFile(path, bytes, error);
}

}  // namespace quilmo::ListFile
