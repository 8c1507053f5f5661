#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/DataFolder.h"
#include "platform/SettingsStore.h"

namespace quilmo {

QString installedDataFolder(const QString& executableFolder) {
  return withTrailingSeparator(
      QDir::toNativeSeparators(QDir::cleanPath(executableFolder + QStringLiteral("/../share/quilmo"))));
}

QString defaultAppFolder(const QString& executableFolder) {
  const QString overridden = qEnvironmentVariable("QUILMO_APP_FOLDER");
  if (!overridden.isEmpty()) return withTrailingSeparator(QDir::toNativeSeparators(overridden));
  const QString exe = QDir::cleanPath(executableFolder);
  // An installed program (any prefix) has its shipped files in <prefix>/share/quilmo; the
  // prefix may belong to root, and is the package manager's, so nothing is written there.
  if (QFileInfo(installedDataFolder(exe)).isDir()) {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString folder = data + QStringLiteral("/quilmo/");
    QDir().mkpath(folder);
    return folder;
  }
  return withTrailingSeparator(QDir::toNativeSeparators(exe));
}

QString shippedFile(const QString& appFolder, const QString& executableFolder, const QString& name) {
  const QString beside = withTrailingSeparator(QDir::toNativeSeparators(executableFolder));
  for (const QString& folder : {appFolder, beside, installedDataFolder(executableFolder)}) {
    const QString path = resolveInFolder(folder, name);
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

QString storedDataPath(const SettingsStore& program, const QString& currentFolder) {
  const QString stored = program.value(QStringLiteral("Form_Load"), QStringLiteral("Def DPath"));
  return withTrailingSeparator(QDir::toNativeSeparators(stored.isEmpty() ? currentFolder : stored));
}

}  // namespace quilmo
