#include "search/Duplicates.h"

#include "platform/TextCase.h"

namespace quilmo::search {

QByteArray upperBytes(const LineText& line) {
  if (!line.isAscii()) return upperCased(line.text()).toUtf8();
  QByteArray upper(line.bytes().data(), line.bytes().size());
  asciiUpperInPlace(upper.data(), upper.size());
  return upper;
}

std::size_t hashOfKey(std::string_view upper) { return std::hash<std::string_view>()(upper); }

std::size_t Duplicates::KeySet::slotOf(const LineKey& key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = key.hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (!slot.used) return i;
    if (slot.hash == key.hash && std::string_view(text_).substr(slot.offset, slot.size) == key.upper) return i;
  }
}

bool Duplicates::KeySet::contains(const LineKey& key) const { return slots_[slotOf(key)].used; }

void Duplicates::KeySet::insert(const LineKey& key) {
  Slot& slot = slots_[slotOf(key)];
  if (slot.used) return;
  slot = {key.hash, text_.size(), key.upper.size(), true};
  text_.append(key.upper);
  if (++count_ * 2 > slots_.size()) grow();
}

void Duplicates::KeySet::grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.used) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].used) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

bool Duplicates::lineListed(const LineKey& line) const { return lineKeys_.contains(line); }

QString keyPrefix(const QString& source) {
  // A source holding "* " moves the first "* " of the hit line into the source name, and
  // the rest of the name becomes part of the text compared.
  const QString head = u'*' + source + QStringLiteral("* ");
  return head.mid(head.indexOf(QStringLiteral("* ")) + 2);
}

void Duplicates::addHit(const QString& keyPrefix, const LineKey& key, const LineText& line) {
  if (keyPrefix.isEmpty()) {
    lineKeys_.insert(key);
    return;
  }
  const QByteArray upper = upperCased(keyPrefix + line.text()).toUtf8();
  const std::string_view view(upper.constData(), std::size_t(upper.size()));
  lineKeys_.insert({view, hashOfKey(view)});
}

bool Duplicates::addFileName(QStringView fileName) {
  const QString key = upperCased(fileName);
  if (fileNames_.contains(key)) return false;
  fileNames_.insert(key);
  return true;
}

}  // namespace quilmo::search
