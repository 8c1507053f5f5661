#pragma once
// The steps that add a disc to the library, shared by the window and quilmo-cli:
// check the name, claim it (CreationClaim), find the drive, walk it into a scan list
// private to this run that replaces the catalogue DataPath + name + ".rtf" whole once
// complete (with its facts side-car, DiscFacts.h), and add the name to the disc list QM.tex
// under the library lock. Questions to the user are the caller's business, between the
// steps.
#include <QChar>
#include <QString>

#include "capture/Scanner.h"

namespace quilmo {
class DriveMap;
class SettingsStore;
}  // namespace quilmo

namespace quilmo::capture {

enum class CreationStatus {
  Created,
  Refused,  // the name cannot be a disc name; nothing written
  Busy,     // another creation (of this name, or in this program) runs; nothing written
  NoDisc,   // the drive has no readable disc (error 68); nothing written
  Failed,   // the scan list or the catalogue could not be written; old files kept
};

struct CreationResult {
  CreationStatus status = CreationStatus::Failed;
  QString message;        // one plain sentence for anything but Created
  ScanCounts counts;      // FilesCount and FoldersCount of the walk
  QString factsError;     // Created, but the disc's facts could not be written (or its old ones removed): why
  QString cataloguePath;  // the catalogue, as resolved in the data folder
  bool nameAdded = false;  // create() only: the name was new and joined the disc list
};

class DiscCreation {
 public:
  // dataPath and appFolder end with the separator; program is the "QUILMO 2016" store.
  DiscCreation(QString dataPath, QString appFolder, const DriveMap& drives, SettingsStore& program);

  // True while a build runs anywhere in the program; a window checks it before it asks
  // its questions, and build() refuses a second one.
  static bool isRunning();

  // Whether build() also writes the disc's facts (DiscFacts.h); on unless turned off. Off,
  // it removes the facts of the catalogue it replaces, which would only be stale.
  void setKeepFacts(bool keep) { keepFacts_ = keep; }

  // The disc list holds the name, compared without regard to case.
  bool isListed(const QString& name) const;
  // The drive can be read: its letter maps to a present folder or a mounted medium.
  bool hasDisc(QChar letter) const;

  // Appends the name to QM.tex unless it is listed (read again under the library lock),
  // and raises the "NewDisc" notice.
  bool registerName(const QString& name, QString* error = nullptr);

  // Walks the drive into the scan list and makes it the catalogue. Nothing but the
  // catalogue changes; a failed walk or write leaves the old catalogue as it was. The
  // caller holds a CreationClaim on the name.
  CreationResult build(const QString& name, QChar letter, const ScanProgress& progress = {});

  // The whole road without questions: refuses bad names, claims the name, stops on a
  // drive without a disc, builds, then registers the name, so a failure leaves the disc
  // list alone.
  CreationResult create(const QString& name, QChar letter, const ScanProgress& progress = {});

  QString cataloguePath(const QString& name) const;

  static QString noDiscMessage(QChar letter);
  static QString busyMessage();

 private:
  QString dataPath_;
  QString appFolder_;
  const DriveMap& drives_;
  SettingsStore& program_;
  bool keepFacts_ = true;
};

// The next-disc button: Backup3 becomes Backup4, so a set of discs is named in a row. The
// name with its last character, when it is a digit 0 to 8, raised by one; any other name
// (empty, ending in 9 or in a non-digit) comes back unchanged.
QString nextDiscName(const QString& name);

}  // namespace quilmo::capture
