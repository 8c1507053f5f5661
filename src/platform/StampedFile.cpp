#include "platform/StampedFile.h"

#include <utility>

namespace quilmo {

StampedFile::~StampedFile() { close(); }

StampedFile::StampedFile(StampedFile&& other) noexcept
    : stamp_(std::exchange(other.stamp_, std::nullopt)),
      missing_(other.missing_),
      notPlain_(other.notPlain_),
      errorString_(std::move(other.errorString_)),
      handle_(std::exchange(other.handle_, -1)) {}

StampedFile& StampedFile::operator=(StampedFile&& other) noexcept {
  if (this != &other) {
    close();
    stamp_ = std::exchange(other.stamp_, std::nullopt);
    missing_ = other.missing_;
    notPlain_ = other.notPlain_;
    errorString_ = std::move(other.errorString_);
    handle_ = std::exchange(other.handle_, -1);
  }
  return *this;
}

bool StampedFile::readAt(qint64 offset, char* data, qint64 size) const {
  while (size > 0) {
    const qint64 got = readSomeAt(offset, data, size);
    if (got <= 0) return false;
    data += got;
    offset += got;
    size -= got;
  }
  return true;
}

}  // namespace quilmo
