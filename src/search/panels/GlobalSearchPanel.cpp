#include "search/panels/GlobalSearchPanel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>

#include "controls/CatalogueView.h"
#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "platform/TextCase.h"
#include "platform/Yield.h"
#include "scope/ExtensionSets.h"
#include "scope/ScopeFiles.h"
#include "search/GlobalSearch.h"
#include "search/panels/SearchProgress.h"
#include "search/reading/SearchQueue.h"
#include "search/reports/QuickReportWriter.h"
#include "search/reports/Reports.h"
#include "search/reports/SearchFinish.h"

namespace quilmo::panels {

namespace {

const QColor kSearchingBack(0, 255, 0);
const QColor kFinishedBack(255, 255, 0);
// The find buttons of the view, enabled again when a search ends.
const char* const kFindButtons[] = {"GCom(2)", "GCom(3)", "FCom(0)", "FCom(1)"};

}  // namespace

GlobalSearchPanel::GlobalSearchPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      findButton_(control<QAbstractButton>(services.window(), arrayName(QStringLiteral("GCom"), 4))),
      words_(control<QComboBox>(services.window(), QStringLiteral("FTex"))),
      scopePanel_(control<QWidget>(services.window(), QStringLiteral("DSoekPan"))),
      discs_(control<QListWidget>(services.window(), QStringLiteral("SoekLys"))),
      types_(control<QListWidget>(services.window(), QStringLiteral("ExtLys"))),
      wordList_(control<QListWidget>(services.window(), QStringLiteral("XTL"))),
      findings_(control<QListWidget>(services.window(), QStringLiteral("TVieW"))),
      viewFindings_(control<QCheckBox>(services.window(), QStringLiteral("TVieWC"))),
      sets_(control<QComboBox>(services.window(), QStringLiteral("Sette"))),
      fileCounter_(control<QWidget>(services.window(), QStringLiteral("FileCounter"))),
      pairCount_(control<QWidget>(services.window(), QStringLiteral("TelSoek"))),
      hitCount_(control<QWidget>(services.window(), QStringLiteral("LinkTel"))),
      view_(control<CatalogueView>(services.window(), QStringLiteral("RtB"))) {}

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
  discs_->addItems(itemsOf(*control<QComboBox>(services_.window(), QStringLiteral("TeX"))));
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
  const search::GlobalSearch engine(entriesOf(*wordList_),
                                    split ? search::splitFileSources(values.dataPath, types)
                                          : search::discSources(values.dataPath, markedEntriesOf(*discs_)),
                                    split);
  SearchProgress progress(services_, report);
  const search::SearchOutcome outcome = engine.run(progress);
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
  const auto* status = control<QLabel>(services_.window(), QStringLiteral("LaB"));
  services_.setStatus(status->text(), kSearchingBack);
  control<QWidget>(services_.window(), QStringLiteral("FindMenuPan"))->hide();
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
  QWidget* root = services_.window();
  const ProgramValues& values = services_.values();
  QString error;
  if (!report.commit(hits, &error))
    services_.msG(QStringLiteral("ERROR: ") + error, MsgButton::Yes,
                  QStringLiteral("Hier is 'n fout by die auto search outside"), MsgIcon::Warning);
  const QString count = QString::number(hits.size());
  setCaption(control<QWidget>(root, QStringLiteral("Label5")), QStringLiteral("Row:"));
  view_->show();
  services_.setStatus(QStringLiteral("Loading Quick-Report data"));
  services_.yielder().now(YieldKind::Always);
  setCaption(hitCount_, count);

  setState(QString::fromLatin1(kIdle));
  for (const char* name : kFindButtons) control<QWidget>(root, QString::fromLatin1(name))->setEnabled(true);
  control<QWidget>(root, QStringLiteral("FindMenuPan"))->hide();
  QWidget* busy = control<QWidget>(root, QStringLiteral("CrePan"));
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
  const QString pairs = control<QLabel>(root, QStringLiteral("TelSoek"))->text();
  setCaption(control<QWidget>(root, QStringLiteral("TelSoekWys")), QStringLiteral("files found: ") + pairs);
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
  for (const char* name : kFindButtons) control<QWidget>(services_.window(), QString::fromLatin1(name))->setEnabled(true);
}

GlobalSearchPanel* attachGlobalSearch(PanelServices& services) { return new GlobalSearchPanel(services); }

}  // namespace quilmo::panels
