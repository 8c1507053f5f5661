#pragma once
// A disc's side files (DiscSideFiles) go wherever its catalogue goes: moved by a rename, kept
// aside by a delete (in ".quilmo/kept/facts/" and ".quilmo/kept/notes/"), back with its undo,
// and dropped with the kept catalogues. Each step names the catalogue file whose side files
// it carries, and skips a kind that is missing: most discs have none, and a run cut off by a
// kill may have carried it already. A side file in the way at the target belongs to no
// catalogue (a rename or undo never takes a catalogue's place) or was kept by an older
// delete, and is replaced. The caller holds the LibraryLock.
#include <QString>
#include <QStringList>

#include "library/StepError.h"

namespace quilmo::library {

StepErrors moveSideFiles(const QString& dataPath, const QString& fromCatalogue, const QString& toCatalogue);
StepErrors keepSideFiles(const QString& dataPath, const QString& catalogueFile);
StepErrors restoreSideFiles(const QString& dataPath, const QString& catalogueFile);
// Removes every kept side file but those of the catalogue files named.
StepErrors dropKeptSideFiles(const QString& dataPath, const QStringList& wantedCatalogues);

}  // namespace quilmo::library
