#pragma once
// The next-disc button: Backup3 becomes Backup4, so a set of discs is named in a row.
#include <QString>

namespace quilmo::capture {

// name with its last character, when it is a digit 0 to 8, raised by one; any other
// name (empty, ending in 9 or in a non-digit) comes back unchanged.
QString nextDiscName(const QString& name);

}  // namespace quilmo::capture
