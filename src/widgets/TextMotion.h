#pragma once
// Where the caret of the catalogue view goes: key movements and the word or line under a
// position, computed on the line index alone.
#include "widgets/LineIndex.h"

namespace quilmo {

enum class Motion { CharLeft, CharRight, LineUp, LineDown, PageUp, PageDown, LineStart, LineEnd, Top, Bottom };

// The position a motion leads to from position; a page is pageRows lines. Up and down
// keep the column, or go to the end of a shorter line.
qint64 movedPosition(const LineIndex& text, qint64 position, Motion motion, qint64 pageRows);

struct TextSpan {
  qint64 start = 0;
  qint64 length = 0;
};

// The word (letters, digits, "_") at position or just before it; else the one character
// there. A double click selects it.
TextSpan wordAt(const LineIndex& text, qint64 position);
// The line that holds position, without its break. A triple click selects it.
TextSpan lineAt(const LineIndex& text, qint64 position);

}  // namespace quilmo
