#pragma once
// The next-disc step: a name ending in a digit 0 to 8 gets the next digit (Backup3 gives
// Backup4); any other name, the empty one included, stays as it is.
#include <QString>

namespace quilmo {

QString nextDiscName(const QString& name);

}  // namespace quilmo
