#include "search/panels/GlobalSearchPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <memory>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "scope/ExtensionSets.h"
#include "scope/ScopeFiles.h"
#include "search/GlobalSearch.h"
#include "search/IndexKeeper.h"
#include "search/index/SearchIndex.h"
#include "search/panels/SearchProgress.h"
#include "search/reading/SearchQueue.h"
#include "search/reports/QuickReportWriter.h"
#include "search/reports/Reports.h"
#include "search/reports/SearchFinish.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {

const QColor kSearchingBack(0, 255, 0);
const QColor kFinishedBack(255, 255, 0);

}  // namespace

GlobalSearchPanel::GlobalSearchPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      findButton_(services.controls().find.findGlobal),
      words_(services.controls().find.words),
      scopePanel_(services.controls().scope.frame),
      discs_(services.controls().scope.discs),
      types_(services.controls().scope.types),
      wordList_(services.controls().scope.searchWords),
      findings_(services.controls().find.findings),
      viewFindings_(services.controls().scope.showFindings),
      sets_(services.controls().scope.sets),
      fileCounter_(services.controls().find.counterFrame),
      pairCount_(services.controls().find.examined),
      hitCount_(services.controls().viewBar.row),
      view_(services.controls().viewBar.view) {}

QString GlobalSearchPanel::state() const { return findButton_->text(); }
void GlobalSearchPanel::setState(const QString& caption) { findButton_->setText(caption); }

void GlobalSearchPanel::findGlobal() {
  if (words_->currentText().isEmpty()) return;
  if (running_ && state() != QLatin1String(kRunning)) {
    // The finish of a search (its save question) is still waiting: a search inside it
    // would replace the report being offered.
    return services_.dialogs().message(QString::fromLatin1(kIdle),
                                       QStringLiteral("A search is still finishing. Answer its question first."));
  }
  Q_EMIT findWordCleared();
  if (scopePanel_->isHidden()) return openPanel();
  if (state() == QLatin1String(kRunning)) return setState(QString::fromLatin1(kStopping));
  if (state() == QLatin1String(kIdle)) run();
}

void GlobalSearchPanel::openPanel() {
  discs_->clear();
  discs_->addItems(itemsOf(*services_.controls().discName.discList));
  scopePanel_->show();
  scopePanel_->raise();
  scopePanel_->setFocus();
  Q_EMIT fileTypesWanted();
  discs_->setFocus();
}

void GlobalSearchPanel::run() {
  running_ = true;
  const auto idle = qScopeGuard([this] { running_ = false; });
  search::QuickReportWriter report(services_.values().appFolder);
  start(report);
  const ProgramValues& values = services_.values();
  const QStringList types = markedEntriesOf(*types_);
  const bool split = !types.isEmpty();
  search::GlobalSearch engine(entriesOf(*wordList_),
                              split ? search::splitFileSources(values.dataPath, types)
                                    : search::discSources(values.dataPath, markedEntriesOf(*discs_)),
                              split);
  // An index the user made speeds the search up. What it could not answer for is indexed
  // afterwards on the keeper's thread, so the window never waits for a build.
  auto index = std::make_shared<search::SearchIndex>(values.dataPath);
  const bool indexed = index->exists();
  if (indexed) engine.useIndex(index.get());
  SearchProgress progress(services_, report);
  const search::SearchOutcome outcome = engine.run(progress);
  if (indexed) services_.indexKeeper().afterSearch(std::move(index));
  progress.show();
  if (outcome.abandoned) return backToIdle();  // the report stays empty
  // A split file missing for a type is no listed disc gone astray.
  finish(outcome.hits, split ? QStringList() : outcome.missing, report);
}

void GlobalSearchPanel::start(search::QuickReportWriter& report) {
  setState(QString::fromLatin1(kRunning));
  storeExtensionSet();
  setCaption(hitCount_, QStringLiteral("0"));
  addToHistory(words_->currentText());
  const auto* status = services_.controls().status.line;
  services_.setStatus(status->text(), kSearchingBack);
  services_.controls().find.menu->hide();
  // A report that cannot be emptied or written is reported at the finish.
  report.begin();
  findings_->clear();
  if (viewFindings_->isChecked()) {
    findings_->show();
    findings_->raise();
    services_.yielder().now(YieldKind::Always);
  }
  fileCounter_->show();
  fileCounter_->setFocus();
}

void GlobalSearchPanel::storeExtensionSet() {
  const QString set = scope::extensionSetLine(markedEntriesOf(*types_));
  if (!scope::isNewExtensionSet(set, itemsOf(*sets_))) return;
  QString error;
  if (!scope::appendExtensionSet(services_.values().appFolder, set, &error))
    return services_.setStatus(QStringLiteral("The extension set was not stored: ") + error);
  const QString shown = sets_->currentText();
  sets_->addItem(set);
  sets_->setEditText(shown);
}

void GlobalSearchPanel::addToHistory(const QString& words) {
  const QStringList history = itemsOf(*words_);
  if (indexIgnoringCase(history, words) >= 0) return;
  words_->insertItem(sortedInsertPosition(history, words), words);
  words_->setEditText(words);
}

void GlobalSearchPanel::finish(const search::HitLines& hits, const QStringList& discsWithoutCatalogue,
                               search::QuickReportWriter& report) {
  const ProgramValues& values = services_.values();
  QString error;
  if (!report.commit(hits, &error))
    services_.msG(QStringLiteral("ERROR: ") + error, MsgButton::Yes,
                  QStringLiteral("Hier is 'n fout by die auto search outside"), MsgIcon::Warning);
  const QString count = QString::number(hits.size());
  setCaption(services_.controls().viewBar.rowLabel, QStringLiteral("Row:"));
  view_->show();
  services_.setStatus(QStringLiteral("Loading Quick-Report data"));
  services_.yielder().now(YieldKind::Always);
  setCaption(hitCount_, count);

  setState(QString::fromLatin1(kIdle));
  for (QPushButton* finder : services_.controls().find.viewFinders()) finder->setEnabled(true);
  services_.controls().find.menu->hide();
  QWidget* busy = services_.controls().status.creating;
  busy->show();
  services_.yielder().now(YieldKind::Always);

  view_->clear();
  view_->loadFile(search::quickReportPath(values.appFolder));
  findings_->clear();
  findings_->hide();
  services_.quilmoCap(QString::fromLatin1(search::kQuickReportName));

  services_.setStatus(search::finishedSearchingText(hits.size(), discsWithoutCatalogue), kFinishedBack);
  services_.yielder().now(YieldKind::Always);
  setCaption(hitCount_, count);
  busy->hide();

  Q_EMIT saveOffered(QStringLiteral("Do yu want to SAVE this report?"));

  fileCounter_->hide();
  const QString pairs = services_.controls().find.examined->text();
  setCaption(services_.controls().find.found, QStringLiteral("files found: ") + pairs);
  setCaption(pairCount_, QString());
  scopePanel_->hide();
  view_->setFocus();
}

void GlobalSearchPanel::backToIdle() {
  // The third error abandons the search; the controls go back to how an idle search
  // leaves them, so the next click is not taken for a stop request.
  setState(QString::fromLatin1(kIdle));
  fileCounter_->hide();
  findings_->clear();
  findings_->hide();
  scopePanel_->hide();
  for (QPushButton* finder : services_.controls().find.viewFinders()) finder->setEnabled(true);
}

GlobalSearchPanel* attachGlobalSearch(PanelServices& services) { return new GlobalSearchPanel(services); }

}  // namespace quilmo::panels
