// Saving the quick report under a name, the report loader and the "ER" switch, in the real
// window. Which names are refused and how a loaded report is headed are ReportsTest's.
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QtTest>

#include "search/panels/ReportPanel.h"
#include "search/reports/Reports.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {
struct World : WindowHarness {
  World() {
    start();
    get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("beach|snap"));
  }
  QString saved(const QString& name) const { return world.dataPath() + QStringLiteral("QReport/") + name; }
  void writeQuickReport(const QByteArray& bytes) const {
    world.writeFile(world.appFolder() + QStringLiteral("QReport.rtf"), bytes);
  }
  // Saves through the search's question, answering Yes and then typing the name.
  void saveAs(const std::optional<QString>& name) {
    msgAnswers = {Answer::Yes, Answer::Yes};
    dialogs.inputs = {name};
    window->findChild<panels::ReportPanel*>()->offerSave(QStringLiteral("Do yu want to SAVE this report?"));
  }
};
}  // namespace

class ReportPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void savesACopyUnderTheNameAskedForOrNothingFromTheQuestionOrTheButton() {
    World w;
    w.writeQuickReport("*Holiday* \"E:\\\",\"beach.jpg\"\r\n");
    w.saveAs(QStringLiteral("Holiday"));
    QCOMPARE(w.msgHeadings, (QStringList{"Saving Search Report", "Saved!"}));
    QCOMPARE(w.dialogs.proposed, QStringList{"beach|snap"});  // the search words
    QCOMPARE(w.msgMessages[1], search::savedMessage(w.saved(QStringLiteral("Holiday.rtf"))));
    QCOMPARE(TempWorld::readFile(w.saved(QStringLiteral("Holiday.rtf"))), QByteArray("*Holiday* \"E:\\\",\"beach.jpg\"\r\n"));

    w.msgAnswers = {Answer::No};
    w.window->findChild<panels::ReportPanel*>()->offerSave(QStringLiteral("?"));
    w.saveAs(QStringLiteral(""));
    w.saveAs(std::nullopt);
    QCOMPARE(w.dialogs.prompts.size(), 3);  // No stops before the name is asked
    QCOMPARE(w.msgHeadings.size(), 5);      // nothing said after No, an empty or a cancelled name
    QFile::remove(w.world.appFolder() + QStringLiteral("QReport.rtf"));
    w.saveAs(QStringLiteral("Other"));
    QCOMPARE(w.msgHeadings.last(), QStringLiteral("Report NOT saved"));

    // The report panel's save button asks too, and leaves the view read-only; ER switches it.
    w.writeQuickReport("*a* one\r\n");
    w.click(QStringLiteral("GCom(10)"));
    QVERIFY(w.visible(QStringLiteral("ReportPan")));
    w.msgAnswers = {Answer::Yes, Answer::Yes};
    w.dialogs.inputs = {QStringLiteral("Mine")};
    w.window->GCom(quilmo::names::Command::SaveReport);
    QVERIFY(!w.visible(QStringLiteral("ReportPan")));
    QVERIFY(QFile::exists(w.saved(QStringLiteral("Mine.rtf"))));
    QVERIFY(w.window->view()->isReadOnly());
    w.window->GCom(quilmo::names::Command::EditReport);
    QVERIFY(!w.window->view()->isReadOnly());
  }

  void theLoaderAppendsTheSelectedReportsInListOrderAndSaysWhichAreGone() {
    World w;
    for (const char* name : {"apple.rtf", "Beach.rtf", "gone.rtf"})
      w.world.writeFile(w.saved(QString::fromLatin1(name)), "*" + QByteArray(name) + "*\r\n");
    w.window->view()->setText(QStringLiteral("old text"));
    w.window->GCom(quilmo::names::Command::LoadReport);
    auto* list = w.get<QListWidget>(QStringLiteral("LoadReportLys"));
    for (int row : {2, 1, 0}) list->item(row)->setSelected(true);  // picked out of list order
    QFile::remove(w.saved(QStringLiteral("gone.rtf")));
    w.dialogs.answers = {Answer::No};  // keep the view's text
    w.msgAnswers = {Answer::Yes};
    w.click(QStringLiteral("LoadReportCom(1)"));
    QCOMPARE(w.dialogs.questions, QStringList{"Quilmo"});
    QCOMPARE(w.window->view()->text(),
             search::withReportAppended(search::withReportAppended(QStringLiteral("old text"), QStringLiteral("apple.rtf"),
                                                                   QStringLiteral("*apple.rtf*\n")),
                                        QStringLiteral("Beach.rtf"), QStringLiteral("*Beach.rtf*\n")));
    QVERIFY(!w.visible(QStringLiteral("LoadReport")));
    QCOMPARE(w.msgHeadings, QStringList{"Report NOT loaded"});
    QVERIFY(w.msgMessages[0].endsWith(QStringLiteral("\n\ngone.rtf")));
    // The question closed unanswered (Escape) loads nothing; Yes empties the view first;
    // the close button closes the loader without loading.
    w.window->GCom(quilmo::names::Command::LoadReport);
    w.get<QListWidget>(QStringLiteral("LoadReportLys"))->item(0)->setSelected(true);
    const QString shown = w.window->view()->text();
    w.dialogs.answers = {Answer::Cancel};
    w.click(QStringLiteral("LoadReportCom(1)"));
    QCOMPARE(w.window->view()->text(), shown);
    w.dialogs.answers = {Answer::Yes};
    w.click(QStringLiteral("LoadReportCom(1)"));
    QVERIFY(w.window->view()->text().startsWith(QStringLiteral("\n================apple.rtf")));
    w.window->GCom(quilmo::names::Command::LoadReport);
    w.click(QStringLiteral("LoadReportCom(0)"));
    QVERIFY(!w.visible(QStringLiteral("LoadReport")));
  }
};

QUILMO_PANEL_TEST(ReportPanelTest)
#include "ReportPanelTest.moc"
