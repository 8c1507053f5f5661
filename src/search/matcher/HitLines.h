#pragma once
// The hit lines of a search (SScLys) in the order found, kept as the quick report's own
// bytes: each line "*" + source + "* " + catalogue line followed by CR LF, UTF-8. A few
// large blocks instead of one string per hit, so the report is written without a copy
// and a growing buffer is never copied.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace quilmo::search {

class HitLines {
 public:
  void add(const QByteArray& sourceUtf8, QByteArrayView line);

  qsizetype size() const { return qsizetype(lines_.size()); }
  bool isEmpty() const { return lines_.empty(); }
  QByteArrayView at(qsizetype i) const;  // without the line end
  QString textAt(qsizetype i) const { return QString::fromUtf8(at(i)); }
  // The quick report's bytes, block by block.
  const std::vector<QByteArray>& reportBlocks() const { return blocks_; }

  static constexpr qsizetype kBlockSize = 1 << 20;

 private:
  struct Place {
    std::size_t block;
    qsizetype start, size;
  };
  std::vector<QByteArray> blocks_;
  std::vector<Place> lines_;
};

}  // namespace quilmo::search
