#pragma once
// Names that become both a list entry and a file name (discs, reports, saved selections)
// must survive the round trip through their list file and be valid file names.
#include <QString>

namespace quilmo {

// Empty when the name is acceptable; otherwise a sentence saying why it is refused and
// what to type instead.
QString whyNameIsRefused(const QString& name);

}  // namespace quilmo
