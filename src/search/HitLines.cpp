#include "search/HitLines.h"

namespace quilmo::search {

void HitLines::add(const QByteArray& sourceUtf8, QByteArrayView line) {
  starts_.push_back(bytes_.size());
  bytes_.append('*').append(sourceUtf8).append("* ").append(line).append("\r\n");
}

QByteArrayView HitLines::at(qsizetype i) const {
  const qsizetype start = starts_[std::size_t(i)];
  const qsizetype end = std::size_t(i + 1) < starts_.size() ? starts_[std::size_t(i + 1)] : bytes_.size();
  return QByteArrayView(bytes_.constData() + start, end - start - 2);
}

}  // namespace quilmo::search
