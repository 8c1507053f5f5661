#include "capture/NextDiscName.h"

namespace quilmo::capture {

QString nextDiscName(const QString& name) {
  if (name.isEmpty()) return name;
  const char16_t last = name.back().unicode();
  if (last < u'0' || last > u'8') return name;
  QString next = name;
  next.back() = QChar(char16_t(last + 1));
  return next;
}

}  // namespace quilmo::capture
