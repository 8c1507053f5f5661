#pragma once
// The global search's listener bound to the window, which drives the search from the
// window thread: options read from the check boxes and ExtLys (kept up to date by their
// signals, so each test reads a plain struct), pending events run through the window's
// yielder whenever the engine reports in, the stop request read from GCom(4)'s caption
// after them, and the counters, status texts and findings list TVieW kept moving.
#include <QObject>
#include <QStringList>

#include "platform/Yield.h"
#include "search/GlobalSearch.h"

class QAbstractButton;
class QCheckBox;
class QListWidget;
class QWidget;

namespace quilmo {
class PanelServices;
}

namespace quilmo::search {
class QuickReportWriter;
}

namespace quilmo::panels {

class SearchProgress : public QObject, public search::SearchListener {
 public:
  // The quick report's blocks go to report as the search fills them.
  SearchProgress(PanelServices& services, search::QuickReportWriter& report);

  const search::SearchOptions& options() override { return options_; }
  bool callerMayRead() const override { return false; }
  search::Flow sourceStarted(const QString& source) override;
  search::Flow hitAdded(QByteArrayView hitLine, const search::SearchCounters& counters) override;
  search::Flow progress() override;
  search::Flow sourceFinished(const QString& source, const search::SearchCounters& counters) override;
  void errorOccurred(int number, const QString& text, const QString& path) override;
  void reportBlockFilled(QByteArrayView block) override;

  // Shows the counters of the last hit (they are drawn only when events run).
  void show();

 private:
  void readOptions();
  // Runs pending events when the yielder says a point of this kind is due, then answers
  // whether GCom(4) asks to stop.
  search::Flow yield(YieldKind kind);
  bool stopRequested();

  PanelServices& services_;
  search::QuickReportWriter& report_;
  QAbstractButton* findButton_;  // GCom(4)
  QCheckBox *caseOn_, *wordOnly_, *autoDoubles_, *viewFindings_;
  QListWidget* types_;     // ExtLys
  QListWidget* findings_;  // TVieW
  QWidget* hitCount_;      // LinkTel
  QWidget* pairCount_;     // TelSoek
  search::SearchOptions options_;
  QStringList findingsSorted_;  // TVieW's rows, to place each new one
  QString source_;
  search::SearchCounters counters_;
  bool unshown_ = false;
  quint64 stopReadAt_ = ~quint64(0);  // the yielder's turn when GCom(4) was last read
  bool stopping_ = false;
};

}  // namespace quilmo::panels
