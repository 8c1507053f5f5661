#include "DiscTree.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quilmo::test {

void touch(const QString& folder, const QString& relative) {
  const QString path = folder + relative;
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot make %s", qPrintable(path));
}

void touchRaw(const QByteArray& path) {
  const int fd = open(path.constData(), O_CREAT | O_WRONLY, 0600);
  if (fd < 0) qFatal("cannot make %s", path.constData());
  close(fd);
}

void link(const QString& target, const QString& path) {
  if (symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) != 0)
    qFatal("cannot link %s", qPrintable(path));
}

QByteArrayList catalogueLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArrayList lines = file.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    else line += "<no CR>";  // so a missing CR fails the comparisons
  }
  return lines;
}

}  // namespace quilmo::test
