#pragma once
// Turns a finished scan list into a disc catalogue without ever showing a half-written
// one: the new content is on the disc before it takes the catalogue's name in one rename.
#include <QString>

namespace quilmo {

// Moves the scan list over the catalogue when both lie on one file system; otherwise
// copies it to a temporary file beside the catalogue, renames that over it and deletes
// the scan list. On failure the old catalogue is untouched.
bool installCatalogue(const QString& scanList, const QString& catalogue, QString* error = nullptr);

// The copying half on its own: source stays, target is replaced whole.
bool replaceWithCopy(const QString& source, const QString& target, QString* error = nullptr);

}  // namespace quilmo
