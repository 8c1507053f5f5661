// Saving the quick report under a name, the report loader and the "ER" switch, in the real window.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QtTest>

#include "widgets/CatalogueView.h"
#include "search/ReportPanel.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {
const QString kSearchQuestion = QStringLiteral("Do yu want to SAVE this report?");

struct World : WindowHarness {
  World() {
    start();
    get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("beach|snap"));
  }
  QString reportFolder() const { return world.dataPath() + QStringLiteral("QReport/"); }
  QString saved(const QString& name) const { return reportFolder() + name + QStringLiteral(".rtf"); }
  QStringList savedFiles() const { return QDir(reportFolder()).entryList(QDir::Files); }
  void writeQuickReport(const QByteArray& bytes) const {
    world.writeFile(world.appFolder() + QStringLiteral("QReport.rtf"), bytes);
  }
  void writeReport(const char* name, const QByteArray& bytes) const {
    world.writeFile(reportFolder() + QString::fromLatin1(name), bytes);
  }
  // Saves through the search's question, answering Yes and then typing the name.
  void saveAs(const std::optional<QString>& name) {
    msgAnswers = {Answer::Yes, Answer::Yes};
    dialogs.inputs = {name};
    window->findChild<panels::ReportPanel*>()->offerSave(kSearchQuestion);
  }
  void selectReports(const QStringList& names) const {
    auto* list = get<QListWidget>(QStringLiteral("LoadReportLys"));
    for (const QString& name : names) list->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
  }
  static QString header(const QString& name) {
    return QStringLiteral("================") + name + QStringLiteral("==============");
  }
};
}  // namespace

class ReportPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void savesACopyUnderTheNameAndASecondSaveReplacesIt() {
    World w;
    w.writeQuickReport("*Holiday* \"E:\\\",\"beach.jpg\"\r\n*Work* \"F:\\\",\"snap.png\"\r\n");
    w.saveAs(QStringLiteral("Holiday"));
    QCOMPARE(w.msgHeadings, (QStringList{"Saving Search Report", "Saved!"}));
    QCOMPARE(w.msgMessages[0], kSearchQuestion);
    QCOMPARE(w.dialogs.prompts, QStringList{"SAVE this report to:"});
    QCOMPARE(w.dialogs.proposed, QStringList{"beach|snap"});
    QCOMPARE(w.msgMessages[1], QStringLiteral("The report was saved in the following folder:\n\n") + w.saved("Holiday"));
    QCOMPARE(TempWorld::readFile(w.saved("Holiday")),
             TempWorld::readFile(w.world.appFolder() + QStringLiteral("QReport.rtf")));

    w.writeQuickReport("");
    w.saveAs(QStringLiteral("Holiday"));
    QVERIFY(TempWorld::readFile(w.saved("Holiday")).isEmpty());
    QCOMPARE(w.savedFiles(), QStringList{"Holiday.rtf"});  // no temporary file left beside it
    QCOMPARE(w.unanswered(), 0);
  }

  void noEmptyNameCancelAndBadNamesWriteNothing() {
    World w;
    w.msgAnswers = {Answer::No};
    w.window->findChild<panels::ReportPanel*>()->offerSave(kSearchQuestion);
    QVERIFY(w.dialogs.prompts.isEmpty());  // No stops before the name is asked

    w.saveAs(QStringLiteral("Holiday"));  // no quick report to copy
    QCOMPARE(w.msgHeadings.last(), QStringLiteral("Report NOT saved"));
    QVERIFY(w.msgMessages.last().contains(QStringLiteral("no quick report")));

    w.writeQuickReport("*a* one\r\n");
    w.saveAs(QStringLiteral(""));
    w.saveAs(std::nullopt);
    QCOMPARE(w.msgHeadings.size(), 5);  // nothing said after an empty or cancelled name
    w.saveAs(QStringLiteral("a,b"));  // the names refused are ReportsTest's
    QCOMPARE(w.msgHeadings.last(), QStringLiteral("Report NOT saved"));
    QVERIFY2(w.msgMessages.last().contains(QStringLiteral("a,b")), qPrintable(w.msgMessages.last()));
    QVERIFY(w.savedFiles().isEmpty());
  }

  void theSaveButtonAndTheErSwitch() {
    World w;
    QApplication::setActiveWindow(w.window.get());
    CatalogueView* view = w.window->view();
    w.writeQuickReport("*a* one\r\n");
    w.click(QStringLiteral("GCom(10)"));
    QVERIFY(w.visible(QStringLiteral("ReportPan")));
    view->setReadOnly(false);
    w.msgAnswers = {Answer::Yes, Answer::Yes};
    w.dialogs.inputs = {QStringLiteral("Mine")};
    w.window->GCom(quilmo::names::Command::SaveReport);
    QVERIFY(!w.visible(QStringLiteral("ReportPan")));
    QCOMPARE(w.msgMessages[0], QStringLiteral("Do you want to SAVE this report?"));
    QVERIFY(QFile::exists(w.saved("Mine")));
    QVERIFY(view->isReadOnly());

    view->setText(QStringLiteral("line"));
    w.window->GCom(quilmo::names::Command::EditReport);
    QVERIFY(!view->isReadOnly());
    QVERIFY(view->hasFocus());
    w.window->GCom(quilmo::names::Command::EditReport);
    QVERIFY(view->isReadOnly());
    QCOMPARE(view->text(), QStringLiteral("line"));
  }

  void theLoaderAppendsTheSelectedReportsInListOrder() {
    World w;
    w.writeReport("apple.rtf", "*A* one\r\n");
    w.writeReport("Beach.rtf", "*B* two\r\n");
    w.writeReport("Holiday.rtf", "*H* three\r\n*H* four\r\n");
    w.writeReport("zeta.RTF", "");
    w.writeReport("notes.txt", "");
    QDir().mkpath(w.reportFolder() + QStringLiteral("folder.rtf"));
    w.window->view()->setText(QStringLiteral("old text"));
    w.window->GCom(quilmo::names::Command::LoadReport);
    QVERIFY(w.visible(QStringLiteral("LoadReport")));
    QCOMPARE(w.entries(QStringLiteral("LoadReportLys")),
             (QStringList{"apple.rtf", "Beach.rtf", "Holiday.rtf", "zeta.RTF"}));
    w.selectReports({"Holiday.rtf", "apple.rtf", "Beach.rtf"});  // picked out of list order
    w.dialogs.answers = {Answer::No};  // keep the view's text
    w.click(QStringLiteral("LoadReportCom(1)"));
    QCOMPARE(w.dialogs.questions, QStringList{"Quilmo"});
    QCOMPARE(w.window->view()->text(),
             QStringLiteral("old text\n") + World::header("apple.rtf") + QStringLiteral("\n*A* one\n\n") +
                 World::header("Beach.rtf") + QStringLiteral("\n*B* two\n\n") + World::header("Holiday.rtf") +
                 QStringLiteral("\n*H* three\n*H* four\n"));
    QVERIFY(!w.visible(QStringLiteral("LoadReport")));

    // Yes clears the view first; a report gone since the list was shown is said.
    w.window->GCom(quilmo::names::Command::LoadReport);
    w.selectReports({"Beach.rtf", "apple.rtf"});
    QFile::remove(w.reportFolder() + QStringLiteral("apple.rtf"));
    w.dialogs.answers = {Answer::Yes};
    w.msgAnswers = {Answer::Yes};
    w.click(QStringLiteral("LoadReportCom(1)"));
    QCOMPARE(w.window->view()->text(), QStringLiteral("\n") + World::header("Beach.rtf") + QStringLiteral("\n*B* two\n"));
    QCOMPARE(w.msgHeadings, QStringList{"Report NOT loaded"});
    QVERIFY(w.msgMessages[0].endsWith(QStringLiteral("\n\napple.rtf")));
    w.window->GCom(quilmo::names::Command::LoadReport);
    w.click(QStringLiteral("LoadReportCom(0)"));
    QVERIFY(!w.visible(QStringLiteral("LoadReport")));
    QCOMPARE(w.unanswered(), 0);
  }
};

QUILMO_PANEL_TEST(ReportPanelTest)
#include "ReportPanelTest.moc"
