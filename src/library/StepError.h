#pragma once
// A failed file step of a maintenance action. The number is the system's error code the
// window shows ("SSPanel1_click(" + index + ")-(" + number + ")" + LF + text); the action
// itself goes on with its next step.
#include <QList>
#include <QString>
#include <QStringList>

namespace quilmo::library {

struct StepError {
  int number = 0;
  QString text;
};

using StepErrors = QList<StepError>;

enum ErrorCode : int {
  kFileNotFound = 53,
  kFileAlreadyExists = 58,
  kPathFileAccess = 75,
  kPathNotFound = 76,
};

// Renames a file, or says why not with the code that fits.
StepError renameFile(const QString& from, const QString& to);
// Deletes a file, or says why not.
StepError removeFile(const QString& path);
// A failure that is not about one file (a write that did not complete).
StepError accessError(const QString& text);

// Says that the listed names were not usable file names, so no file was touched for them.
QString skippedMessage(const QStringList& names);

// The window's text for a failed step of SSPanel1 button `index`.
QString stepErrorMessage(int index, const StepError& error);

}  // namespace quilmo::library
