#pragma once
// Disc paths keep the drive-letter form ("E:\DOCS\") everywhere a user or a file sees
// them. On Linux a letter stands for a folder, or for a block device found at its current
// mount point. The map lives in the settings store, section "Drives", key = letter.
// Defaults: C = the home folder, D = the first optical drive when the machine has one.
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

namespace quilmo {

class SettingsStore;

enum class DriveStatus {
  Ready,
  NoDisc,        // error 68: nothing mapped, missing folder, device without medium
  PathNotFound,  // error 76: the drive is there, the folder on it is not
};

struct DriveTarget {
  QChar letter;
  QString target;       // a folder or a device such as /dev/sr0
  QString description;  // what the drive boxes show, e.g. "E: DVD_PHOTOS (/dev/sr0)"
};

struct NativeLocation {
  DriveStatus status = DriveStatus::NoDisc;
  QString path;  // native path, folders ending with the native separator
};

class DriveMap : public QObject {
  Q_OBJECT
 public:
  explicit DriveMap(SettingsStore& store);

  // Upper-cased first letter of a text ("e", "E:", "E:\\" all give 'E'); null when none.
  static QChar letterOf(const QString& text);

  // What the letter stands for: a stored map, a run-only override, or a default.
  QString targetOf(QChar letter) const;
  void map(QChar letter, const QString& target);  // stored
  void unmap(QChar letter);
  void overrideForRun(QChar letter, const QString& target);  // not stored

  // The native root of a letter's disc, or NoDisc.
  NativeLocation root(QChar letter) const;
  // A disc path "E:\DOCS\" (or a plain "E") to its native path; the folder must exist.
  NativeLocation toNative(const QString& discPath) const;
  // A native path below the letter's root back to the disc form "E:\DOCS\a.txt".
  QString toDiscPath(QChar letter, const QString& nativePath) const;

  QList<DriveTarget> drives() const;  // every letter that stands for something, A to Z

  static QString firstOpticalDevice();  // "/dev/sr0" or empty

 Q_SIGNALS:
  // A letter was mapped or unmapped: drive boxes list the map again at once.
  void changed();

 private:
  SettingsStore& store_;
  QMap<QChar, QString> overrides_;
};

}  // namespace quilmo
