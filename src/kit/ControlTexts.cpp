#include "kit/ControlTexts.h"

namespace quilmo::names {

QString ControlText::objectName() const {
  const QString base = QString::fromLatin1(name);
  return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

}  // namespace quilmo::names
