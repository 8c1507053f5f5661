#pragma once
// Turns a finished scan list into a disc catalogue without ever showing a half-written
// one: the copy goes to a temporary file beside the target, is synced, then renamed over it.
#include <QString>

namespace quilmo {

bool replaceWithCopy(const QString& source, const QString& target, QString* error = nullptr);

}  // namespace quilmo
