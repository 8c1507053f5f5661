#pragma once
// Shared by the search tests: catalogue files in a temporary data folder and a listener
// that records what the engine tells it.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>
#include <vector>

#include "search/GlobalSearch.h"
#include "support/TempWorld.h"

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quilmo::test {

class RecordingListener : public search::SearchListener {
 public:
  search::SearchOptions current;
  std::function<bool(const RecordingListener&)> stopWhen;  // asked after each hit
  bool callerReads = true;
  QStringList started, finished;
  std::vector<qint64> scanAtFinish;
  std::vector<search::SearchCounters> atHit;
  std::vector<int> errors;

  const search::SearchOptions& options() override { return current; }
  bool callerMayRead() const override { return callerReads; }
  search::Flow sourceStarted(const QString& source) override {
    started += source;
    return search::Flow::Continue;
  }
  search::Flow hitAdded(QByteArrayView, const search::SearchCounters& counters) override {
    atHit.push_back(counters);
    return stopWhen && stopWhen(*this) ? search::Flow::Stop : search::Flow::Continue;
  }
  void errorOccurred(int number, const QString&, const QString&) override { errors.push_back(number); }
  search::Flow sourceFinished(const QString& source, const search::SearchCounters& counters) override {
    finished += source;
    scanAtFinish.push_back(counters.scanCount);
    return search::Flow::Continue;
  }
};

inline QStringList hitTexts(const search::HitLines& hits) {
  QStringList texts;
  for (qsizetype i = 0; i < hits.size(); ++i) texts += hits.textAt(i);
  return texts;
}

// A catalogue file: the lines joined by CR LF, with a last CR LF.
inline QByteArray catalogue(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace quilmo::test
