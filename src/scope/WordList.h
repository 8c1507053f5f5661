#pragma once
// "START" turns the search text into the word list XTL.
#include <QString>
#include <QStringList>

namespace quilmo::scope {

// Without "|": the whole text is the one word (also when empty). Otherwise every piece
// between pipes, left to right, untrimmed; empty pieces stay as empty words.
QStringList splitSearchWords(const QString& text);

}  // namespace quilmo::scope
