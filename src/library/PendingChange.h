#pragma once
// A change of the library that touches several files (the disc list, catalogue files and
// their side files, the discs' sizes in the settings store) is written whole to a journal,
// ".quilmo/journal" in the data folder, before any of it is done; then it is carried out
// step by step, and the journal is removed last. Each step checks what is already done, so carrying out a change
// twice does it once. A program killed at any moment therefore leaves either no journal
// and the library as it was, or a journal that the next program to open the library (or
// the retried command) carries out to the end.
//
// A change may carry the change that undoes it. Once done, such a change is kept as the
// record of the last change, ".quilmo/last-change", until the next change of the disc list
// replaces it; the undo then goes through the journal like any other change.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

#include "library/StepError.h"

namespace quilmo::library {

struct PendingChange {
  QStringList list;                            // the disc list afterwards
  QList<std::pair<QString, QString>> moves;    // catalogue file names: from, to
  QStringList kept;                            // catalogue file names moved aside (KeptCatalogues)
  QStringList restored;                        // catalogue file names moved back from aside
  // The side files (SideFileSteps) of catalogue files, named by the catalogue file; carried
  // after the catalogues, and never holding a catalogue step up.
  QList<std::pair<QString, QString>> sideMoves;
  QStringList keptSides;
  QStringList restoredSides;
  QList<std::pair<QString, QString>> sizes;    // disc section, its "Size" value afterwards
  QStringList forgotten;                       // disc sections removed
  std::shared_ptr<const PendingChange> undo;   // the change that undoes this one, if any
};

// Writes the journal: from here on the change happens, now or after a crash. False, with
// the reason, when it cannot be written; nothing has changed then. The caller holds the
// LibraryLock for this and the next call.
bool recordChange(const QString& dataPath, const PendingChange& change, QString* error);
// Carries the recorded change out and removes the journal.
StepErrors carryOutChange(const QString& dataPath, const PendingChange& change);

// The last change done, when it can be undone: its `undo` is set and its `list` is the disc
// list it left. False when there is none, or it cannot be read.
bool readLastChange(const QString& dataPath, PendingChange& change);
// Drops the record of the last change and its kept catalogues and side files: the disc list
// changed in a way that cannot be undone. The caller holds the lock.
void forgetLastChange(const QString& dataPath);

// Carries out a journal that a killed program left behind. The caller holds the lock.
// Sets *finished when there was one.
StepErrors finishPendingChange(const QString& dataPath, bool* finished = nullptr);

class LibraryLock;

// Takes the lock, then finishes what a killed program left (a cut-off disc-list rewrite,
// a journalled change), so a change builds on the library as it really is. False, with
// lock.refusal() saying why, when the lock is not had. *finished: something was finished.
bool lockForChange(LibraryLock& lock, StepErrors* earlier = nullptr, bool* finished = nullptr);

// What a program does when it opens a library: removes the temporary files of programs
// that died, finishes a cut-off disc-list rewrite and a journalled change, and (with
// MissingList::Create) makes an empty disc list when there is none. Takes the lock only
// when there is something to do. True when a cut-off change was finished.
enum class MissingList { Leave, Create };
bool recoverLibrary(const QString& dataPath, MissingList missingList = MissingList::Leave);

}  // namespace quilmo::library
