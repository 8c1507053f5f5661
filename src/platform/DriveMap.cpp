#include "platform/DriveMap.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

namespace quilmo {

namespace {

const QString kSection = QStringLiteral("Drives");

bool isDevice(const QString& target) { return target.startsWith(QStringLiteral("/dev/")); }

// The mount point of a block device, or empty when it holds no mounted medium.
QString mountPointOf(const QString& device) {
  const QString real = QFileInfo(device).canonicalFilePath();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString dev = QString::fromLocal8Bit(volume.device());
    if (dev == device || (!real.isEmpty() && dev == real)) return volume.rootPath();
  }
  return {};
}

QString volumeLabelOf(const QString& device) {
  const QString mount = mountPointOf(device);
  return mount.isEmpty() ? QStringLiteral("no disc") : QStorageInfo(mount).name();
}

}  // namespace

DriveMap::DriveMap(SettingsStore& store) : store_(store) {}

QChar DriveMap::letterOf(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || !t[0].isLetter() || t[0].unicode() > 127) return {};
  return t[0].toUpper();
}

QString DriveMap::firstOpticalDevice() {
  const QStringList optical = QDir(QStringLiteral("/dev")).entryList({QStringLiteral("sr*")}, QDir::System, QDir::Name);
  return optical.isEmpty() ? QString() : QStringLiteral("/dev/") + optical.first();
}

QString DriveMap::targetOf(QChar letter) const {
  letter = letter.toUpper();
  if (overrides_.contains(letter)) return overrides_.value(letter);
  const QString stored = store_.value(kSection, letter);
  if (!stored.isEmpty()) return stored;
#ifdef Q_OS_WIN
  return QString(letter) + QStringLiteral(":\\");
#else
  if (letter == u'C') return QDir::homePath();
  if (letter == u'D') return firstOpticalDevice();
  return {};
#endif
}

void DriveMap::map(QChar letter, const QString& target) {
  store_.setValue(kSection, letter.toUpper(), target);
  Q_EMIT changed();
}

void DriveMap::unmap(QChar letter) {
  store_.setValue(kSection, letter.toUpper(), QString());
  Q_EMIT changed();
}

void DriveMap::overrideForRun(QChar letter, const QString& target) {
  overrides_.insert(letter.toUpper(), target);
  Q_EMIT changed();
}

NativeLocation DriveMap::root(QChar letter) const {
  if (letter.isNull()) return {};
  const QString target = targetOf(letter);
  if (target.isEmpty()) return {};
  const QString folder = isDevice(target) ? mountPointOf(target) : target;
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return {};
  return {DriveStatus::Ready, withTrailingSeparator(QDir::toNativeSeparators(folder))};
}

NativeLocation DriveMap::toNative(const QString& discPath) const {
  NativeLocation where = root(letterOf(discPath));
  if (where.status != DriveStatus::Ready) return where;
  QString rest = discPath.trimmed().mid(1);
  if (rest.startsWith(u':')) rest.remove(0, 1);
  while (rest.startsWith(u'\\') || rest.startsWith(u'/')) rest.remove(0, 1);
#ifndef Q_OS_WIN
  rest.replace(u'\\', u'/');
#endif
  where.path += rest;
  if (!QFileInfo::exists(where.path)) where.status = DriveStatus::PathNotFound;
  return where;
}

QString DriveMap::toDiscPath(QChar letter, const QString& nativePath) const {
  const NativeLocation where = root(letter);
  QString rest = QDir::toNativeSeparators(nativePath);
  if (where.status == DriveStatus::Ready && rest.startsWith(where.path)) rest = rest.mid(where.path.size());
  else if (where.status == DriveStatus::Ready && withTrailingSeparator(rest) == where.path) rest.clear();
  rest.replace(u'/', u'\\');
  return QString(letter.toUpper()) + QStringLiteral(":\\") + rest;
}

QList<DriveTarget> DriveMap::drives() const {
  QList<DriveTarget> list;
  for (char16_t c = u'A'; c <= u'Z'; ++c) {
    const QChar letter(c);
    const QString target = targetOf(letter);
    if (target.isEmpty()) continue;
    const QString what = isDevice(target) ? volumeLabelOf(target) + QStringLiteral(" (") + target + u')' : target;
    list.append({letter, target, QString(letter) + QStringLiteral(": ") + what});
  }
  return list;
}

}  // namespace quilmo
