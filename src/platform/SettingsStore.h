#pragma once
// The per-user settings store, addressed as application / section / key. Application
// names compare without regard to case: "QUILMO 2016" and "Quilmo 2016" are one store.
// On Linux each application is an INI file under $XDG_CONFIG_HOME/quilmo/.
#include <QString>
#include <memory>

class QSettings;

namespace quilmo {

class SettingsStore {
 public:
  static constexpr auto kProgram = "QUILMO 2016";  // the program's own settings
  static constexpr auto kDiscs = "Quilmo";         // one section per disc, key "Size"

  explicit SettingsStore(const QString& application);
  ~SettingsStore();

  QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
  bool contains(const QString& section, const QString& key) const;
  void setValue(const QString& section, const QString& key, const QString& value);
  void removeSection(const QString& section);

  // The file behind an application name (for tests and messages).
  static QString fileFor(const QString& application);

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace quilmo
