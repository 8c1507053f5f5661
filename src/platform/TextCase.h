#pragma once
// Comparisons "without regard to letter case": Unicode's simple upper-case mapping,
// one character to one character, so a position in the upper-cased text is the same
// position in the original. Independent of the process locale.
#include <QString>
#include <QStringList>

namespace quilmo {

QString upperCased(QStringView text);
bool equalsIgnoringCase(QStringView a, QStringView b);
// Code point by code point order of the upper-cased texts (the order of sorted lists).
int compareIgnoringCase(QStringView a, QStringView b);

// Index of the first entry equal to text ignoring case, or -1.
int indexIgnoringCase(const QStringList& list, QStringView text);

// Where text goes in a list kept sorted: after every entry that does not sort after it,
// so equal keys keep the order in which they were added.
int sortedInsertPosition(const QStringList& sorted, QStringView text);
// The entries in that order; equal keys keep their order.
QStringList sortedIgnoringCase(const QStringList& entries);

}  // namespace quilmo
