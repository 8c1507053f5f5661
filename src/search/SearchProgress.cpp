#include "search/SearchProgress.h"

#include <QPushButton>
#include <QLabel>
#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "platform/NumberFormat.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "search/GlobalSearchPanel.h"
#include "search/QuickReportWriter.h"

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

void SearchProgress::yieldAt(YieldKind kind) {
  Yielder& yielder = services_.yielder();
  if (!yielder.due(kind)) return;
  show();  // the counters as they are, for the window to paint
  yielder.now(kind);
}

void SearchProgress::yieldNow(YieldKind kind) {
  // Once per catalogue, which can be a millisecond apart: throttled like every other
  // yield, so the window repaints at screen pace rather than once per catalogue.
  yieldAt(kind);
}

void SearchProgress::sourceStarted(const QString& source) {
  show();  // the last source's count first
  source_ = source;
  services_.setStatus(QStringLiteral("Searching ") + source + QStringLiteral("...."));
}

void SearchProgress::reportBlockFilled(QByteArrayView block) { report_.blockFilled(block); }

void SearchProgress::hitAdded(QByteArrayView hitLine, const search::SearchCounters& counters) {
  counters_ = counters;
  unshown_ = true;
  if (!viewFindings_->isChecked()) return;
  const QString line = QString::fromUtf8(hitLine);
  const int at = sortedInsertPosition(findingsSorted_, line);
  findingsSorted_.insert(at, line);
  findings_->insertItem(at, line);
}

void SearchProgress::sourceFinished(const QString&, const search::SearchCounters& counters) {
  counters_ = counters;
  show();
  setCaption(pairCount_, groupedOrEmpty(double(counters.scanCount)));
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
