#include "capture/CatalogueInstall.h"

#include <QFile>
#include <QSaveFile>

#include "platform/FileReplace.h"

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

bool installCatalogue(const QString& scanList, const QString& catalogue, QString* error) {
  if (!syncToDisk(scanList, error)) return false;
  // Moving saves reading and writing the whole list again; across file systems it fails.
  if (moveOver(scanList, catalogue)) return true;
  if (!replaceWithCopy(scanList, catalogue, error)) return false;
  QFile::remove(scanList);
  return true;
}

}  // namespace quilmo
