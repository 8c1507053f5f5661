#include "search/matcher/HitLines.h"

#include <algorithm>
#include <bit>
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
    blockCapacity_ = std::max(blocks_.empty() ? kFirstBlockSize : std::min(2 * blockCapacity_, kBlockSize), size + 2);
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
  const auto [chunk, at] = placeOf(count_);
  if (at == 0) {
    const std::size_t places = chunk < kDoublings ? kFirstPlaces << chunk : kPlacesPerChunk;
    places_.push_back(reinterpret_cast<Place*>(memory_.allocate(sizeof(Place) * places)));
  }
  new (&places_.back()[at]) Place{start, size};
  ++count_;
}

std::pair<std::size_t, std::size_t> HitLines::placeOf(qsizetype i) {
  const auto n = std::size_t(i);
  constexpr std::size_t kDoubled = kPlacesPerChunk - kFirstPlaces;  // places in the chunks that double
  if (n >= kDoubled) return {kDoublings + (n - kDoubled) / kPlacesPerChunk, (n - kDoubled) % kPlacesPerChunk};
  // Chunk c starts at kFirstPlaces * (2^c - 1).
  const std::size_t chunk = std::size_t(std::bit_width(n / kFirstPlaces + 1)) - 1;
  return {chunk, n - kFirstPlaces * ((std::size_t(1) << chunk) - 1)};
}

QByteArrayView HitLines::at(qsizetype i) const {
  const auto [chunk, at] = placeOf(i);
  const Place& place = places_[chunk][at];
  return QByteArrayView(place.start, place.size);
}

}  // namespace quilmo::search
