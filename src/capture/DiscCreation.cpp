#include "capture/DiscCreation.h"

#include <QDir>
#include <QFileInfo>

#include "capture/CreationClaim.h"
#include "capture/DiscFacts.h"
#include "library/DiscListFile.h"
#include "library/LibraryLock.h"
#include "library/PendingChange.h"
#include "library/StepError.h"
#include "platform/DataFolder.h"
#include "platform/DriveMap.h"
#include "platform/NameRules.h"
#include "platform/SettingsStore.h"
#include "platform/TextCase.h"

namespace quilmo::capture {

namespace {

bool running = false;

// Marks a build as running for as long as it lives.
class RunningMark {
 public:
  RunningMark() { running = true; }
  ~RunningMark() { running = false; }
};

CreationResult outcome(CreationStatus status, const QString& message) {
  CreationResult result;
  result.status = status;
  result.message = message;
  return result;
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// Facts remember the catalogue they were written with, so a catalogue made without facts
// leaves none of its predecessor's behind; its note stays, as it is about the disc.
QString removeOldFacts(const QString& cataloguePath) {
  const QString facts = factsPath(cataloguePath);
  if (!QFileInfo::exists(facts)) return {};
  const library::StepError failed = library::removeFile(facts);
  if (failed.number == 0) return {};
  return QStringLiteral("The disc's old facts could not be removed (%1); its catalogue is complete.").arg(failed.text);
}

}  // namespace

DiscCreation::DiscCreation(QString dataPath, QString appFolder, const DriveMap& drives, SettingsStore& program)
    : dataPath_(std::move(dataPath)), appFolder_(std::move(appFolder)), drives_(drives), program_(program) {}

bool DiscCreation::isRunning() { return running; }

bool DiscCreation::isListed(const QString& name) const {
  return indexIgnoringCase(library::readDiscList(dataPath_), name) >= 0;
}

bool DiscCreation::hasDisc(QChar letter) const { return drives_.root(letter).status == DriveStatus::Ready; }

QString DiscCreation::cataloguePath(const QString& name) const {
  return resolveInFolder(dataPath_, name + QStringLiteral(".rtf"));
}

QString DiscCreation::noDiscMessage(QChar letter) {
  return QStringLiteral("Drive %1: has no disc that can be read: nothing is mapped to it, its folder is missing, "
                        "or no medium is inserted.")
      .arg(letter.toUpper());
}

QString DiscCreation::busyMessage() {
  return QStringLiteral("A disc is being created. Wait until it is finished, then try again.");
}

bool DiscCreation::registerName(const QString& name, QString* error) {
  library::LibraryLock lock(dataPath_);
  if (!library::lockForChange(lock)) {
    if (error) *error = lock.refusal();
    return false;
  }
  // Read again under the lock: another program may have added or changed names since.
  if (!isListed(name)) {
    const library::StepError failed = library::appendToDiscList(dataPath_, name);
    if (failed.number != 0) {
      if (error) *error = failed.text;
      return false;
    }
    // An older rename or delete is not undone over a new disc.
    library::forgetLastChange(dataPath_);
  }
  program_.setValue(QStringLiteral("Changes"), QStringLiteral("NewDisc"), QStringLiteral("True"));
  return true;
}

CreationResult DiscCreation::build(const QString& name, QChar letter, const ScanProgress& progress) {
  if (const QString why = whyNameIsRefusedIn(dataPath_, name, QStringLiteral(".rtf")); !why.isEmpty())
    return outcome(CreationStatus::Refused, why);
  if (running) return outcome(CreationStatus::Busy, busyMessage());
  const RunningMark mark;
  const NativeLocation drive = drives_.root(letter);
  if (drive.status != DriveStatus::Ready) return outcome(CreationStatus::NoDisc, noDiscMessage(letter));

  CreationResult result;
  result.cataloguePath = cataloguePath(name);
  // The walk writes straight into a private file that becomes the catalogue when complete.
  const VolumeFacts volume = keepFacts_ ? volumeFactsOf(drive.path) : VolumeFacts();
  const ScanResult scan = scanDisc(drive.path, letter, result.cataloguePath, progress, keepFacts_ ? &volume : nullptr);
  result.counts = scan.counts;
  if (!scan.factsError.isEmpty())
    result.factsError = QStringLiteral("The disc's facts could not be written (%1); its catalogue is complete.")
                            .arg(scan.factsError);
  if (!scan.written) {
    result.message = QStringLiteral("The catalogue %1 could not be written (%2). The old catalogue and the disc "
                                    "list are unchanged.")
                         .arg(native(result.cataloguePath), scan.error);
    return result;
  }
  result.status = CreationStatus::Created;
  if (!keepFacts_) result.factsError = removeOldFacts(result.cataloguePath);
  return result;
}

CreationResult DiscCreation::create(const QString& name, QChar letter, const ScanProgress& progress) {
  if (const QString why = whyNameIsRefusedIn(dataPath_, name, QStringLiteral(".rtf")); !why.isEmpty())
    return outcome(CreationStatus::Refused, why);
  if (!hasDisc(letter)) return outcome(CreationStatus::NoDisc, noDiscMessage(letter));
  CreationClaim claim(dataPath_, name);
  if (!claim.acquire()) return outcome(CreationStatus::Busy, claim.refusal());
  const bool wasListed = isListed(name);
  CreationResult result = build(name, letter, progress);
  if (result.status != CreationStatus::Created) return result;
  QString error;
  if (!registerName(name, &error)) {
    result.status = CreationStatus::Failed;
    result.message = QStringLiteral("The catalogue %1 was written, but the disc list %2 could not be updated (%3).")
                         .arg(native(result.cataloguePath), native(library::DiscListPaths(dataPath_).list()), error);
    return result;
  }
  result.nameAdded = !wasListed;
  return result;
}

QString nextDiscName(const QString& name) {
  if (name.isEmpty()) return name;
  const char16_t last = name.back().unicode();
  if (last < u'0' || last > u'8') return name;
  QString next = name;
  next.back() = QChar(char16_t(last + 1));
  return next;
}

}  // namespace quilmo::capture
