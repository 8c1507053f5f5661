#include "scope/WordList.h"

namespace quilmo::scope {

QStringList splitSearchWords(const QString& text) {
  return text.split(u'|', Qt::KeepEmptyParts);
}

}  // namespace quilmo::scope
