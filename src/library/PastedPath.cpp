#include "library/PastedPath.h"

#include <QDir>
#include <QFileInfo>

#include "platform/DataFolder.h"
#include "platform/DriveMap.h"

namespace quilmo::library {

namespace {

bool isNative(const QString& text) { return text.startsWith(u'/'); }

// Where the text points on this machine, or empty when no folder is there. A drive with
// no disc cannot be mended by cutting, so it ends the search.
enum class Probe { Found, Missing, NoDrive };

Probe probe(const DriveMap& drives, const QString& text, QString& native) {
  if (isNative(text)) {
    native = withTrailingSeparator(QDir::toNativeSeparators(text));
    return QFileInfo(text).isDir() ? Probe::Found : Probe::Missing;
  }
  const NativeLocation where = drives.toNative(text);
  if (where.status == DriveStatus::NoDisc) return Probe::NoDrive;
  native = withTrailingSeparator(where.path);
  return where.status == DriveStatus::Ready && QFileInfo(where.path).isDir() ? Probe::Found : Probe::Missing;
}

}  // namespace

PastedFolder findPastedFolder(const DriveMap& drives, const QString& pasted) {
  PastedFolder result;
  result.text = pasted.trimmed();
  const QChar separator = isNative(result.text) ? u'/' : u'\\';
  while (!result.text.isEmpty()) {
    switch (probe(drives, result.text, result.nativeFolder)) {
      case Probe::Found:
        result.found = true;
        return result;
      case Probe::NoDrive:
        result.nativeFolder.clear();
        return result;
      case Probe::Missing:
        break;
    }
    const qsizetype cut = result.text.lastIndexOf(separator);
    if (cut <= 0) break;
    result.text.truncate(cut);
  }
  result.nativeFolder.clear();
  return result;
}

QString cannotFixPathMessage() { return QStringLiteral("Some ERROR. Cannot repair. Please do it on your side..."); }

}  // namespace quilmo::library
