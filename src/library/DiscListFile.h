#pragma once
// The disc-list file QM.tex and its rewrite through QmFetch.xxx with one backup
// generation, Qm.Tex.Bak. Names in the data folder are matched without regard to case.
//
// The rewrite runs these steps:
//   1 the new list is written to QmFetch.xxx (complete and synced before it appears)
//   2 Qm.Tex.Bak is made to exist
//   3 Qm.Tex.Bak is deleted
//   4 QM.tex is renamed to Qm.Tex.Bak
//   5 QmFetch.xxx is renamed to QM.tex
// Between steps 4 and 5 there is no QM.tex. A process killed there leaves a complete
// QmFetch.xxx, which readDiscList reads in its place and recoverDiscList (run under the
// library lock before every change) turns into QM.tex. Killed at any earlier point, QM.tex
// is still the old list and a stray QmFetch.xxx is simply overwritten by the next rewrite.
// Every function that writes expects the caller to hold the LibraryLock.
#include <QString>
#include <QStringList>

#include "library/StepError.h"

namespace quilmo::library {

struct DiscListPaths {
  explicit DiscListPaths(const QString& dataPath);
  QString list() const;     // QM.tex in whatever case the folder spells it
  QString backup() const;   // Qm.Tex.Bak
  QString fetch() const;    // QmFetch.xxx
  QString dataPath;
};

// A rewrite was cut off between its two renames.
bool isCutOff(const QString& dataPath);
// Finishes such a rewrite. True when it had to and could.
bool recoverDiscList(const QString& dataPath);

// The entries of QM.tex, read field-wise; a missing file gives none.
QStringList readDiscList(const QString& dataPath);

// Adds name as the last line of QM.tex. The file is rewritten whole through a temporary
// file, so a crash leaves either the old list or the new one.
StepError appendToDiscList(const QString& dataPath, const QString& name);

// Writes names as the new disc list. On failure says why (number 0: none); the list on
// disk is then still the old one or the new one, never a partial one.
StepError rewriteDiscList(const QString& dataPath, const QStringList& names);

}  // namespace quilmo::library
