#include "capture/CatalogueCopy.h"

#include <QFile>
#include <QSaveFile>

namespace quilmo {

namespace {

bool fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

}  // namespace

bool replaceWithCopy(const QString& source, const QString& target, QString* error) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return fail(error, in.errorString());
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return fail(error, out.errorString());
  QByteArray chunk(1 << 20, Qt::Uninitialized);
  for (;;) {
    const qint64 got = in.read(chunk.data(), chunk.size());
    if (got < 0) {
      out.cancelWriting();
      return fail(error, in.errorString());
    }
    if (got == 0) break;
    if (out.write(chunk.constData(), got) != got) {
      out.cancelWriting();
      return fail(error, out.errorString());
    }
  }
  if (!out.commit()) return fail(error, out.errorString());
  return true;
}

}  // namespace quilmo
