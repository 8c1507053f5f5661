#include "search/index/Trigrams.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "search/index/IndexFormat.h"

namespace quilmo::search {

QByteArrayView lineCapitals(QByteArrayView line, QByteArray& scratch) {
  if (scratch.size() < line.size()) scratch.resize(line.size());
  if (asciiUpperCopy(scratch.data(), line.data(), line.size())) return QByteArrayView(scratch.constData(), line.size());
  scratch = upperCased(QString::fromUtf8(line)).toUtf8();
  return scratch;
}

IndexQuery::IndexQuery(const std::vector<SearchWord>& words) {
  for (const SearchWord& word : words) {
    const QString& upper = word.upper();
    const QByteArray bytes = upper.toUtf8();
    if (bytes.size() < 3 || QString::fromUtf8(bytes) != upper) {  // the second: a lone surrogate
      usable_ = false;
      keys_.clear();
      return;
    }
    std::vector<std::uint32_t> keys;
    auto take = [&](qsizetype i) {
      const std::uint32_t key = index::trigramKey(bytes[i], bytes[i + 1], bytes[i + 2]);
      if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    };
    for (qsizetype i = 0; i + 2 < bytes.size(); ++i) take(i);
    keys_.push_back(std::move(keys));
  }
}

}  // namespace quilmo::search
