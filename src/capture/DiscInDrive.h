#pragma once
// Which catalogued disc a drive holds, told by the identity of its volume (DiscFacts.h)
// against the discs' side-cars. Only their heads are read, never their file records, so
// asking a library of thousands of discs costs a few kilobytes a disc.
#include <QString>
#include <QStringList>

namespace quilmo::library {
struct DiscFolder;
}

namespace quilmo::capture {

// The discs of the data folder whose facts carry identity, sorted; none for no identity.
// A side-car whose catalogue is gone names no disc.
QStringList discsWithIdentity(const QString& dataPath, const QString& identity);

// "GoTo" found no folder on the disc whose root is nativeRoot (error 76). When the
// volume's identity tells: the right disc (the facts of `catalogue`, the one the folder
// was taken from) makes it a folder missing from that disc; another catalogued disc is
// named in the "Wrong Disc" message. Otherwise the folder's message stays as it is.
// catalogue may be empty when it is not known.
void explainMissingFolder(library::DiscFolder& folder, const QString& nativeRoot, const QString& dataPath,
                          const QString& catalogue);

}  // namespace quilmo::capture
