#include "search/panels/ReportPanel.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "kit/PanelControls.h"
#include "kit/PanelServices.h"
#include "kit/ProgramValues.h"
#include "platform/Dialogs.h"
#include "search/reports/Reports.h"
#include "widgets/CatalogueView.h"

namespace quilmo::panels {

namespace {


const QString kButtonQuestion = QStringLiteral("Do you want to SAVE this report?");

}  // namespace

ReportPanel::ReportPanel(PanelServices& services)
    : QObject(services.window()),
      services_(services),
      view_(services.controls().viewBar.view),
      reportPanel_(services.controls().reports.frame),
      loader_(services.controls().reports.loader),
      reportList_(services.controls().reports.saved),
      searchWords_(services.controls().find.words) {
  reportList_->setSelectionMode(QAbstractItemView::MultiSelection);
  onActivated(services.controls().reports.closeLoader,
              [this] { loader_->hide(); });
  onActivated(services.controls().reports.loadChosen,
              [this] { loadSelected(); });
}

void ReportPanel::showReportPanel() {
  reportPanel_->show();
  reportPanel_->raise();
}

void ReportPanel::toggleEditable() {
  view_->setReadOnly(!view_->isReadOnly());
  view_->setFocus();
}

void ReportPanel::openLoader() {
  reportPanel_->hide();
  reportList_->clear();
  fixDoubledDataPathSeparator();
  reportList_->addItems(search::savedReports(services_.values().dataPath));
  loader_->show();
  loader_->raise();
  reportList_->setFocus();
}

void ReportPanel::saveFromButton() {
  reportPanel_->hide();
  offerSave(kButtonQuestion);
  view_->setReadOnly(true);
  view_->setFocus();
}

void ReportPanel::offerSave(const QString& question) {
  if (services_.msG(QStringLiteral("Saving Search Report"), MsgButton::Yes | MsgButton::No, question,
                    MsgIcon::Information) != Answer::Yes)
    return;
  const ProgramValues& values = services_.values();
  search::makeReportFolder(values.dataPath);  // MakePaD
  const std::optional<QString> name = services_.dialogs().input(
      QStringLiteral("SAVE search report"), QStringLiteral("SAVE this report to:"), searchWords_->currentText());
  if (!name || name->isEmpty()) return;

  // The engine refuses names that are not plain file names before it writes anything, so
  // a name cannot put the report outside the report folder.
  const search::ReportResult saved = search::saveQuickReport(values.appFolder, values.dataPath, *name);
  if (!saved.ok) {
    services_.msG(QStringLiteral("Report NOT saved"), MsgButton::Yes, saved.message, MsgIcon::Warning);
    return;
  }
  services_.msG(QStringLiteral("Saved!"), MsgButton::Yes, search::savedMessage(saved.path), MsgIcon::Information);
}

void ReportPanel::loadSelected() {
  const QString clearQuestion = QStringLiteral("Do you want to clear the current search page?");
  if (!view_->isEmpty()) {
    const Answer clear = services_.dialogs().yesNo(QStringLiteral("Quilmo"), clearQuestion);
    if (clear == Answer::Cancel) return;  // closed unanswered: nothing is loaded
    if (clear == Answer::Yes) view_->clear();
  }

  QString added;
  QStringList unreadable;
  for (const QString& name : markedEntriesOf(*reportList_)) {
    bool readable = false;
    const QString report = search::savedReportText(services_.values().dataPath, name, &readable);
    if (readable) added = search::withReportAppended(added, name, report);
    else unreadable += name;
  }
  view_->appendText(added);
  loader_->hide();

  // A report deleted or locked since the list was filled is left out, and the user told.
  if (!unreadable.isEmpty())
    services_.msG(QStringLiteral("Report NOT loaded"), MsgButton::Yes,
                  QStringLiteral("These saved reports could not be read and were left out:") + kLineBreak +
                      kLineBreak + unreadable.join(kLineBreak),
                  MsgIcon::Warning);
}

void ReportPanel::fixDoubledDataPathSeparator() {
  // A data path chosen at a drive's root can end up with its separator twice; the change
  // is kept for the rest of the run.
  QString& dataPath = services_.values().dataPath;
  if (QDir::fromNativeSeparators(dataPath.right(2)) == QStringLiteral("//")) dataPath.chop(1);
}

ReportPanel* attachReports(PanelServices& services) { return new ReportPanel(services); }

}  // namespace quilmo::panels
