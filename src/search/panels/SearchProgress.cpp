#include "search/panels/SearchProgress.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "platform/NumberFormat.h"
#include "platform/TextCase.h"
#include "search/panels/GlobalSearchPanel.h"
#include "search/reports/QuickReportWriter.h"

namespace quilmo::panels {

SearchProgress::SearchProgress(PanelServices& services, search::QuickReportWriter& report)
    : services_(services),
      report_(report),
      findButton_(services.controls().find.findGlobal),
      caseOn_(services.controls().scope.caseSensitive),
      wordOnly_(services.controls().scope.wordOnly),
      autoDoubles_(services.controls().scope.removeDoubles),
      viewFindings_(services.controls().scope.showFindings),
      types_(services.controls().scope.types),
      findings_(services.controls().find.findings),
      hitCount_(services.controls().viewBar.row),
      pairCount_(services.controls().find.examined) {
  // The options change only through these signals, which run at yield points on this
  // thread: the engine then reads a plain struct at every test.
  for (QCheckBox* box : {caseOn_, wordOnly_, autoDoubles_})
    connect(box, &QCheckBox::toggled, this, [this] { readOptions(); });
  connect(types_, &QListWidget::itemSelectionChanged, this, [this] { readOptions(); });
  readOptions();
}

void SearchProgress::readOptions() {
  options_.caseOn = caseOn_->isChecked();
  options_.wordOnly = wordOnly_->isChecked();
  options_.autoRemoveDoubles = autoDoubles_->isChecked();
  options_.selectedTypes = markedEntriesOf(*types_);
}

bool SearchProgress::stopRequested() {
  // The caption changes only when events run, so it is read once per turn of them.
  if (const quint64 turn = services_.yielder().turns(); turn != stopReadAt_) {
    stopReadAt_ = turn;
    stopping_ = findButton_->text() == QLatin1String(GlobalSearchPanel::kStopping);
  }
  return stopping_;
}

search::Flow SearchProgress::yield(YieldKind kind) {
  // Throttled everywhere, the start of a catalogue included (they can come a millisecond
  // apart), so the window repaints at screen pace.
  if (Yielder& yielder = services_.yielder(); yielder.due(kind)) {
    show();  // the counters as they are, for the window to paint
    yielder.now(kind);
  }
  return stopRequested() ? search::Flow::Stop : search::Flow::Continue;
}

search::Flow SearchProgress::sourceStarted(const QString& source) {
  show();  // the last source's count first
  source_ = source;
  services_.setStatus(QStringLiteral("Searching ") + source + QStringLiteral("...."));
  return yield(YieldKind::Always);
}

search::Flow SearchProgress::progress() {
  // Sorting out double file names let the window in at every word it tested, even at the
  // low level; between blocks is the nearest point.
  return yield(options_.autoRemoveDoubles ? YieldKind::Both : YieldKind::Default);
}

void SearchProgress::reportBlockFilled(QByteArrayView block) { report_.blockFilled(block); }

search::Flow SearchProgress::hitAdded(QByteArrayView hitLine, const search::SearchCounters& counters) {
  counters_ = counters;
  unshown_ = true;
  if (viewFindings_->isChecked()) {
    const QString line = QString::fromUtf8(hitLine);
    const int at = sortedInsertPosition(findingsSorted_, line);
    findingsSorted_.insert(at, line);
    findings_->insertItem(at, line);
  }
  // A name kept while sorting out doubles lets the window in whatever its level.
  return yield(options_.autoRemoveDoubles ? YieldKind::Always : YieldKind::Both);
}

search::Flow SearchProgress::sourceFinished(const QString&, const search::SearchCounters& counters) {
  counters_ = counters;
  show();
  setCaption(pairCount_, groupedOrEmpty(double(counters.scanCount)));
  return yield(YieldKind::Default);
}

void SearchProgress::errorOccurred(int number, const QString&, const QString&) {
  services_.msG(QStringLiteral("ERROR: ") + QString::number(number), MsgButton::Yes,
                QStringLiteral("Hier is 'n fout by die auto search outside"), MsgIcon::Warning);
}

void SearchProgress::show() {
  if (!unshown_) return;
  unshown_ = false;
  setCaption(hitCount_, QString::number(counters_.hitCount));
  services_.setStatus(QStringLiteral("Searching ") + source_ + QStringLiteral("....[Getting ") +
                      QString::number(counters_.discHits) + QStringLiteral(" links]"));
}

}  // namespace quilmo::panels
