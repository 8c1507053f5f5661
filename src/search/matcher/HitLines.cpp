#include "search/matcher/HitLines.h"

namespace quilmo::search {

void HitLines::add(const QByteArray& sourceUtf8, QByteArrayView line) {
  const qsizetype size = 1 + sourceUtf8.size() + 2 + line.size();
  if (blocks_.empty() || blocks_.back().size() + size + 2 > blocks_.back().capacity()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockSize, size + 2));
  }
  QByteArray& block = blocks_.back();
  lines_.push_back({blocks_.size() - 1, block.size(), size});
  block.append('*').append(sourceUtf8).append("* ").append(line).append("\r\n");
}

QByteArrayView HitLines::at(qsizetype i) const {
  const Place& place = lines_[std::size_t(i)];
  return QByteArrayView(blocks_[place.block].constData() + place.start, place.size);
}

}  // namespace quilmo::search
