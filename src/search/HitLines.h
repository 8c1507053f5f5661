#pragma once
// The hit lines of a search (SScLys) in the order found, kept as the quick report's own
// bytes: each line "*" + source + "* " + catalogue line followed by CR LF, UTF-8. One
// buffer instead of one string per hit, and the report is written without a copy.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace quilmo::search {

class HitLines {
 public:
  void add(const QByteArray& sourceUtf8, QByteArrayView line);

  qsizetype size() const { return qsizetype(starts_.size()); }
  bool isEmpty() const { return starts_.empty(); }
  QByteArrayView at(qsizetype i) const;  // without the line end
  QString textAt(qsizetype i) const { return QString::fromUtf8(at(i)); }
  const QByteArray& reportBytes() const { return bytes_; }

 private:
  QByteArray bytes_;
  std::vector<qsizetype> starts_;
};

}  // namespace quilmo::search
