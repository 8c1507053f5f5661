#include "search/matcher/Duplicates.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/TextCase.h"

namespace quilmo::search {

namespace {

// Does a stored text, taken in capitals, equal the capitals given?
bool equalsInCapitals(QByteArrayView stored, std::string_view upper) {
  if (isAscii(stored)) {
    if (std::size_t(stored.size()) != upper.size()) return false;
    for (qsizetype i = 0; i < stored.size(); ++i) {
      const auto c = static_cast<unsigned char>(stored[i]);
      if (char(c ^ (static_cast<unsigned char>(c - 'a') < 26 ? 0x20 : 0)) != upper[std::size_t(i)]) return false;
    }
    return true;
  }
  const QByteArray capitals = upperCased(QString::fromUtf8(stored)).toUtf8();
  return std::string_view(capitals.constData(), std::size_t(capitals.size())) == upper;
}

}  // namespace

QByteArray upperBytes(const LineText& line) {
  if (!line.isAscii()) return upperCased(line.text()).toUtf8();
  QByteArray upper(line.bytes().data(), line.bytes().size());
  asciiUpperInPlace(upper.data(), upper.size());
  return upper;
}

std::size_t hashOfKey(std::string_view upper) { return std::hash<std::string_view>()(upper); }

qsizetype keyStart(const QByteArray& sourceUtf8) {
  const QByteArray head = '*' + sourceUtf8 + "* ";
  return head.indexOf("* ") + 2;
}

std::size_t Duplicates::slotOf(const LineKey& key) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t high = highHalf(key.hash);
  for (std::size_t i = firstSlot(high);; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.hit) return i;
    if (slot.hashHigh != high) continue;
    if (equalsInCapitals(keyOf(slot.hit - 1), key.upper)) return i;
  }
}

QByteArrayView Duplicates::keyOf(qsizetype hit) const {
  const QByteArrayView line = hits_.at(hit);
  return line.sliced(line.indexOf("* ") + 2);
}

bool Duplicates::lineListed(const LineKey& line) const { return slots_[slotOf(line)].hit != 0; }

void Duplicates::addHit(qsizetype hit, qsizetype keyStart, const LineKey& line, bool lineIsAscii) {
  const QByteArrayView key = hits_.at(hit).sliced(keyStart);
  LineKey stored = line;
  QByteArray capitals;
  if (std::size_t(key.size()) != line.upper.size() || !lineIsAscii) {
    // The key holds part of the source name too: its own capitals and hash.
    capitals = upperCased(QString::fromUtf8(key)).toUtf8();
    stored.upper = std::string_view(capitals.constData(), std::size_t(capitals.size()));
    stored.hash = hashOfKey(stored.upper);
  }
  Slot& slot = slots_[slotOf(stored)];
  if (slot.hit) return;
  slot = {highHalf(stored.hash), std::uint32_t(hit + 1)};
  if (++count_ * 4 > slots_.size() * 3) grow();  // at most three quarters full
}

void Duplicates::grow() {
  SlotTable old(std::max(slots_.size() * 2, kManySlots));
  std::swap(old, slots_);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t o = 0; o < old.size(); ++o) {
    const Slot& slot = old[o];
    if (!slot.hit) continue;
    std::size_t i = firstSlot(slot.hashHigh);
    while (slots_[i].hit) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

bool Duplicates::addFileName(QStringView fileName) {
  const QString key = upperCased(fileName);
  if (fileNames_.contains(key)) return false;
  fileNames_.insert(key);
  return true;
}

}  // namespace quilmo::search
