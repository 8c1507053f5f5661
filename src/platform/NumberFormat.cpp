#include "platform/NumberFormat.h"

#include <cmath>

namespace quilmo {

QString grouped(double count) {
  const QString digits = QString::number(std::llround(std::fabs(count)));
  QString out;
  const qsizetype n = digits.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += u',';
    out += digits[i];
  }
  return count < 0 ? u'-' + out : out;
}

QString groupedOrEmpty(double count) {
  return std::llround(count) == 0 ? QString() : grouped(count);
}

}  // namespace quilmo
