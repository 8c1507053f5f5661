#include "search/matcher/HitLines.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace quilmo::search {

namespace {

char* put(char* to, QByteArrayView bytes) {
  std::memcpy(to, bytes.data(), std::size_t(bytes.size()));
  return to + bytes.size();
}

}  // namespace

void HitLines::add(const QByteArray& sourceUtf8, QByteArrayView line) {
  const qsizetype size = 1 + sourceUtf8.size() + 2 + line.size();
  if (blocks_.empty() || blockSize_ + size + 2 > blockCapacity_) {
    blockCapacity_ = std::max(kBlockSize, size + 2);
    blockStart_ = memory_.allocate(std::size_t(blockCapacity_));
    blockSize_ = 0;
    blocks_.emplace_back();
  }
  char* const start = blockStart_ + blockSize_;
  char* end = start;
  *end++ = '*';
  end = put(end, sourceUtf8);
  end = put(end, "* ");
  end = put(end, line);
  end = put(end, "\r\n");
  blockSize_ += end - start;
  blocks_.back() = QByteArray::fromRawData(blockStart_, blockSize_);
  if (count_ % kPlacesPerChunk == 0)
    places_.push_back(reinterpret_cast<Place*>(memory_.allocate(sizeof(Place) * std::size_t(kPlacesPerChunk))));
  new (&places_.back()[count_ % kPlacesPerChunk]) Place{start, size};
  ++count_;
}

QByteArrayView HitLines::at(qsizetype i) const {
  const Place& place = places_[std::size_t(i / kPlacesPerChunk)][i % kPlacesPerChunk];
  return QByteArrayView(place.start, place.size);
}

}  // namespace quilmo::search
