#include "platform/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "platform/TextCase.h"

namespace quilmo {

namespace {

// Section and key names may hold blanks and slashes; QSettings reads "/" as nesting.
QString keyPath(const QString& section, const QString& key) {
  QString s = section;
  s.replace(u'/', u'\\');
  return s + u'/' + key;
}

}  // namespace

QString SettingsStore::fileFor(const QString& application) {
  QString dir;
#ifdef Q_OS_WIN
  dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#else
  dir = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (dir.isEmpty()) dir = QDir::homePath() + QStringLiteral("/.config");
#endif
  QString base = upperCased(application).toLower();
  base.replace(u' ', u'-');
  return dir + QStringLiteral("/quilmo/") + base + QStringLiteral(".conf");
}

SettingsStore::SettingsStore(const QString& application)
#ifdef Q_OS_WIN
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Quilmo"), upperCased(application))) {}
#else
    : settings_(std::make_unique<QSettings>(fileFor(application), QSettings::IniFormat)) {}
#endif

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString& section, const QString& key, const QString& fallback) const {
  return settings_->value(keyPath(section, key), fallback).toString();
}

bool SettingsStore::contains(const QString& section, const QString& key) const {
  return settings_->contains(keyPath(section, key));
}

// Each rewrite waits twice for the disc; a value already stored needs none. The sync first
// takes in what another process may have written since.
void SettingsStore::setValue(const QString& section, const QString& key, const QString& value) {
  const QString path = keyPath(section, key);
  settings_->sync();
  const QVariant stored = settings_->value(path);
  if (stored.isValid() && stored.toString() == value) return;
  settings_->setValue(path, value);
  settings_->sync();
}

void SettingsStore::removeSection(const QString& section) {
  QString s = section;
  s.replace(u'/', u'\\');
  settings_->remove(s);
  settings_->sync();
}

}  // namespace quilmo
