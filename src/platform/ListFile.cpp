#include "platform/ListFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/FieldReader.h"

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
  QFile file(path);
  if (!file.open(QIODevice::Append)) return fail(error, file);
  const QByteArray bytes = line.toUtf8() + "\r\n";
  if (file.write(bytes) != bytes.size() || !file.flush()) return fail(error, file);
  return true;
}

bool rewrite(const QString& path, const QStringList& lines, QString* error) {
  return rewriteBytes(path, joinedLines(lines), error);
}

bool rewriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);  // writes beside the target, syncs and renames on commit
  if (!file.open(QIODevice::WriteOnly)) return fail(error, file);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return fail(error, file);
  }
  if (!file.commit()) return fail(error, file);
  return true;
}

}  // namespace quilmo::ListFile
