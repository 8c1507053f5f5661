#pragma once
// The global search's listener bound to the window: options read from the check boxes and
// ExtLys (kept up to date by their signals, so each test reads a plain struct), the stop
// request read from GCom(4)'s caption, yields through the window's yielder, and the
// counters, status texts and findings list TVieW kept moving.
#include <QObject>
#include <QStringList>

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
  bool stopRequested() override;
  void yieldAt(YieldKind kind) override;
  void yieldNow(YieldKind kind) override;
  bool callerMayRead() const override { return false; }
  void sourceStarted(const QString& source) override;
  void hitAdded(QByteArrayView hitLine, const search::SearchCounters& counters) override;
  void sourceFinished(const QString& source, const search::SearchCounters& counters) override;
  void errorOccurred(int number, const QString& text, const QString& path) override;
  void reportBlockFilled(QByteArrayView block) override;

  // Shows the counters of the last hit (they are drawn only when events run).
  void show();

 private:
  void readOptions();

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
