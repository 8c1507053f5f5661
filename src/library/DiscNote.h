#pragma once
// A disc's note: one line of plain text the user keeps with it ("box 3, top shelf"), in its
// side file (DiscSideFiles). It lives apart from the disc's facts so that it survives both a
// catalogue changed by hand (which makes the facts stale) and a disc catalogued before
// facts were kept.
#include <QString>

namespace quilmo::library {

// The note of the catalogue at cataloguePath; empty when it has none or it cannot be read.
QString readNote(const QString& cataloguePath);

// Why text cannot be a note (it holds a control character, line breaks and tabs among
// them); empty when it can.
QString whyNoteIsRefused(const QString& text);

// Sets the note under the library lock, crash-safe; an empty (or blank) text removes it.
// False, with the reason and nothing changed, when the text is refused, the catalogue is
// missing, or the file cannot be written.
bool writeNote(const QString& dataPath, const QString& cataloguePath, const QString& text, QString* error = nullptr);

}  // namespace quilmo::library
