#pragma once
// Names that become both a list entry and a file name (discs, reports, saved selections)
// must survive the round trip through their list file and be valid file names. Names read
// back from any file obey the same rules before they touch the file system, so a list line
// such as "../outside" is never followed.
#include <QString>

namespace quilmo {

// Empty when the name is acceptable; otherwise a sentence saying why it is refused and
// what to type instead.
QString whyNameIsRefused(const QString& name);

// The same, and the file name `name + suffix` must also fit the file system of folder.
QString whyNameIsRefusedIn(const QString& folder, const QString& name, const QString& suffix);

// The name with every control character shown as "?", for messages: a control character
// printed raw would act on a terminal.
QString printableName(QString name);

}  // namespace quilmo
