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
    for (qsizetype i = 0; i + 2 < bytes.size(); ++i)
      keys.push_back(index::trigramKey(bytes[i], bytes[i + 1], bytes[i + 2]));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    keys_.push_back(std::move(keys));
  }
}

}  // namespace quilmo::search
