// The volume half of DiscFacts.h: what the mount and the device say of a disc's root.
#include <QDir>
#include <QStorageInfo>

#include "capture/DiscFacts.h"

namespace quilmo::capture {

QString identityText(const VolumeFacts& volume) {
  return volume.identity.isEmpty() ? QStringLiteral("no identity") : volume.identity;
}

VolumeFacts readVolumeFacts(const QString& nativeRoot, DeviceProber probe) {
  const QStorageInfo storage(nativeRoot);
  VolumeFacts volume;
  volume.scanned = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
  volume.fileSystem = QString::fromUtf8(storage.fileSystemType());
  volume.capacity = qMax<qint64>(storage.bytesTotal(), 0);
  volume.free = qMax<qint64>(storage.bytesAvailable(), 0);
  volume.mountPoint = storage.isValid() && QDir(storage.rootPath()).canonicalPath() == QDir(nativeRoot).canonicalPath();
  if (!volume.mountPoint) return volume;
  // A folder's volume is not the disc: its label would mislead.
  volume.label = storage.name();
  const DeviceFacts device = probe(storage.device());
  if (!device.read) return volume;
  // The device's own word wins: a mount may show a label shortened or re-encoded.
  if (!device.label.isEmpty()) volume.label = device.label;
  if (!device.type.isEmpty()) volume.fileSystem = device.type;
  volume.identity = device.identity;
  return volume;
}

namespace {
VolumeReader& standIn() {
  static VolumeReader reader;
  return reader;
}
}  // namespace

VolumeFacts volumeFactsOf(const QString& nativeRoot) {
  return standIn() ? standIn()(nativeRoot) : readVolumeFacts(nativeRoot);
}

void replaceVolumeReader(VolumeReader reader) { standIn() = std::move(reader); }

}  // namespace quilmo::capture
