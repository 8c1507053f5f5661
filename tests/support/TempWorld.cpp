#include "support/TempWorld.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quilmo::test {

TempWorld::TempWorld() : oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldHome_(qgetenv("HOME")) {
  for (const QString& f : {dataPath(), appFolder(), home()}) QDir().mkpath(f);
  qputenv("XDG_CONFIG_HOME", (root() + QStringLiteral("config")).toUtf8());
  qputenv("HOME", home().toUtf8());
}

TempWorld::~TempWorld() {
  qputenv("XDG_CONFIG_HOME", oldConfig_);
  qputenv("HOME", oldHome_);
}

QString TempWorld::folder(const QString& relative) const {
  const QString path = root() + relative + u'/';
  QDir().mkpath(path);
  return path;
}

void TempWorld::writeFile(const QString& path, const QByteArray& bytes) const {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray TempWorld::readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quilmo::test
