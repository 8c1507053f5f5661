#include "settings/DefaultDrive.h"

#include "platform/DataFolder.h"
#include "platform/ListFile.h"
#include "platform/SettingsStore.h"

namespace quilmo::settings {

DriveConfirmation confirmDefaultDrive(const QString& appFolder, SettingsStore& program, const QString& discDrive,
                                      const QString& chosen, int discCount) {
  DriveConfirmation result;
  QString why;
  if (!ListFile::rewrite(resolveInFolder(appFolder, QStringLiteral("SSc.ini")), {chosen}, &why))
    result.error = library::accessError(why);
  program.setValue(QStringLiteral("Set Drive"), QStringLiteral("NEW Drive"), chosen);

  result.askToFix = !discDrive.isEmpty() && discDrive != chosen && discCount > 0;
  if (result.askToFix) {
    result.title = QStringLiteral("Drive Info changed: FiX or NOT?");
    result.question = QStringLiteral("The previous drive letter was %1 and was changed to %2").arg(discDrive, chosen) +
                      QStringLiteral("\n\nDo you want to FiX ALL the drive letters in the current list with the NEW Drive Info?");
  }
  return result;
}

}  // namespace quilmo::settings
