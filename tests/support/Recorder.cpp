#include "support/Recorder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include "support/TempWorld.h"

namespace quilmo::test {

QString writeRecorder(const QString& path, const QString& record) {
  QFile script(path);
  if (script.open(QIODevice::WriteOnly))
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.part'\nmv '%1.part' '%1'\n")
                     .arg(record)
                     .toUtf8());
  script.close();
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

QByteArray waitForRecord(const QString& record) {
  QDeadlineTimer deadline(10000);
  while (!QFile::exists(record) && !deadline.hasExpired()) QThread::msleep(20);
  return TempWorld::readFile(record);
}

}  // namespace quilmo::test
