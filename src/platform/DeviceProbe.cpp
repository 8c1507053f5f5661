#include "platform/DeviceProbe.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <blkid/blkid.h>
#endif

namespace quilmo {

#ifdef Q_OS_WIN

DeviceFacts probeDevice(const QByteArray& device) {
  wchar_t label[MAX_PATH + 1] = {};
  wchar_t type[MAX_PATH + 1] = {};
  DWORD serial = 0;
  const std::wstring volume = QString::fromUtf8(device).toStdWString();
  if (!GetVolumeInformationW(volume.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, type, MAX_PATH + 1))
    return {};
  return {true, QString::fromWCharArray(label),
          QStringLiteral("%1-%2").arg(serial >> 16, 4, 16, QChar(u'0')).arg(serial & 0xFFFF, 4, 16, QChar(u'0')).toUpper(),
          QString::fromWCharArray(type)};
}

#else

namespace {
QString tag(blkid_probe probe, const char* name) {
  const char* value = nullptr;
  if (blkid_probe_lookup_value(probe, name, &value, nullptr) != 0 || !value) return {};
  return QString::fromUtf8(value);
}
}  // namespace

DeviceFacts probeDevice(const QByteArray& device) {
  blkid_probe probe = blkid_new_probe_from_filename(device.constData());
  if (!probe) return {};
  DeviceFacts facts;
  blkid_probe_enable_superblocks(probe, 1);
  blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL | BLKID_SUBLKS_UUID | BLKID_SUBLKS_TYPE);
  if (blkid_do_safeprobe(probe) == 0) {
    facts.read = true;
    facts.label = tag(probe, "LABEL");
    facts.identity = tag(probe, "UUID");
    facts.type = tag(probe, "TYPE");
  }
  blkid_free_probe(probe);
  return facts;
}

#endif

}  // namespace quilmo
