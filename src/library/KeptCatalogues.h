#pragma once
// The catalogues of the discs the last delete removed wait in the data folder's hidden
// ".quilmo/kept/" until the next change of the disc list, so that an undo can bring them
// back; their side files wait beside them (SideFileSteps). Each step does nothing when a
// cut-off run already did it; the caller holds the LibraryLock.
#include <QString>
#include <QStringList>

#include "library/StepError.h"

namespace quilmo::library {

// dataPath + ".quilmo/kept/".
QString keptFolder(const QString& dataPath);

// Moves the catalogue `file` of the data folder aside, over an older one of that name.
StepError keepCatalogue(const QString& dataPath, const QString& file);
// Moves it back into the data folder.
StepError restoreCatalogue(const QString& dataPath, const QString& file);
// Removes every kept catalogue but those named.
StepErrors dropKeptCatalogues(const QString& dataPath, const QStringList& wanted);

}  // namespace quilmo::library
