#pragma once
// The one field-wise reader of every list file: blanks are spaces; leading and trailing
// blanks of a field are dropped; a field that starts with a double quote runs to the next
// double quote (an unclosed one to the end of the line) and anything between that quote
// and the next comma is dropped; otherwise a field ends at a comma or at the end of the
// line. A line ending in a comma gives a last, empty field; an empty line one empty field.
#include <QStringList>

namespace quilmo {

QStringList readFields(QStringView line);

// Splits text into lines at LF, dropping a CR before it; a final line end adds no line.
QStringList splitLines(QStringView text);

}  // namespace quilmo
