#pragma once
// Confirming a new default disc drive ("Continue" of the default-drive panel): the letter
// becomes the only line of AppFolder + "SSc.ini" (read at the next start) and "NEW Drive"
// in the program's settings. Whether this run's DiscDrive follows is the user's answer
// to a question, asked only when there was a different letter and discs are listed.
#include <QString>

#include "library/StepError.h"

namespace quilmo {
class SettingsStore;
}

namespace quilmo::settings {

struct DriveConfirmation {
  library::StepError error;  // SSc.ini could not be written
  bool askToFix = false;  // ask; Yes makes DiscDrive the new letter, No keeps the old
  QString title;
  QString question;
};

DriveConfirmation confirmDefaultDrive(const QString& appFolder, SettingsStore& program, const QString& discDrive,
                                      const QString& chosen, int discCount);

}  // namespace quilmo::settings
