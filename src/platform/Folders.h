#pragma once
// Where the program keeps its own files (AppFolder) and where the user's library lives
// (DataPath). Both are native paths ending with the native separator.
#include <QString>

namespace quilmo {

class SettingsStore;

// Where an installed program's shipped files lie: <executable folder>/../share/quilmo/.
QString installedDataFolder(const QString& executableFolder);

// The executable's folder, unless the program is installed (its installedDataFolder exists,
// whatever the prefix): then $XDG_DATA_HOME/quilmo/ (default ~/.local/share/quilmo/),
// created when missing. QUILMO_APP_FOLDER overrides both.
QString defaultAppFolder(const QString& executableFolder);

// A file the program ships (AssHP.rtf): in the program folder, else beside the executable,
// else in installedDataFolder.
// Empty when none holds it.
QString shippedFile(const QString& appFolder, const QString& executableFolder, const QString& name);

// The stored "Def DPath" (section "Form_Load"), else the current folder.
QString storedDataPath(const SettingsStore& program, const QString& currentFolder);

}  // namespace quilmo
