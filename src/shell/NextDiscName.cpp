#include "shell/NextDiscName.h"

namespace quilmo {

QString nextDiscName(const QString& name) {
  if (name.isEmpty()) return name;
  const QChar last = name.back();
  if (last < u'0' || last > u'8') return name;
  QString next = name;
  next.back() = QChar(last.unicode() + 1);
  return next;
}

}  // namespace quilmo
