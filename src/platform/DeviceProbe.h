#pragma once
// What a block device says of the file system on it, read from the device itself: on
// Linux with libblkid, which needs no udev (/dev/disk/by-uuid may be absent), on Windows
// from the volume. A device that cannot be opened (no permission, no medium) gives none.
#include <QByteArray>
#include <QString>

namespace quilmo {

struct DeviceFacts {
  bool read = false;  // the device could be probed
  QString label;
  QString identity;   // the file system's UUID, or its serial number where it has no UUID
  QString type;       // "iso9660", "vfat", "ext4", ...
};

// device: "/dev/sr0" on Linux, a volume path "\\?\Volume{...}\" on Windows.
DeviceFacts probeDevice(const QByteArray& device);

}  // namespace quilmo
