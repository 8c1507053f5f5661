// Saving the quick report under a name, the report loader and the "ER" switch, driven
// through the panel's controls and the functions the window's GCom dispatcher calls.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "controls/CatalogueView.h"
#include "search/ReportPanel.h"
#include "shell/PanelControls.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6;
constexpr int kNo = 7;
const QString kSearchQuestion = QStringLiteral("Do yu want to SAVE this report?");
const QString kButtonQuestion = QStringLiteral("Do you want to SAVE this report?");
const QString kClearQuestion = QStringLiteral("Do you want to clear the current search page?");
}  // namespace

class ReportPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::ReportPanel* panel = nullptr;

  QString reportFolder() const { return world->dataPath() + QStringLiteral("QReport/"); }
  QString saved(const QString& name) const { return reportFolder() + name + QStringLiteral(".rtf"); }
  QStringList savedFiles() const { return QDir(reportFolder()).entryList(QDir::Files); }
  void writeQuickReport(const QByteArray& bytes) { world->writeFile(world->appFolder() + QStringLiteral("QReport.rtf"), bytes); }
  CatalogueView* view() { return window->get<CatalogueView>(QStringLiteral("RtB")); }
  QListWidget* reportList() { return window->get<QListWidget>(QStringLiteral("LoadReportLys")); }
  QWidget* loader() { return window->get<QWidget>(QStringLiteral("LoadReport")); }
  QWidget* reportPanel() { return window->get<QWidget>(QStringLiteral("ReportPan")); }
  void pressLoaderButton(int index) {
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("LoadReportCom(%1)").arg(index)), Qt::LeftButton);
  }
  // Saves through the search's question, answering Yes and then typing the name.
  void saveAs(const std::optional<QString>& name) {
    window->msgAnswers = {kYes, kYes};
    window->scripted.inputs = {name};
    panel->offerSave(kSearchQuestion);
  }
  void selectReports(const QStringList& names) {
    for (const QString& name : names) reportList()->findItems(name, Qt::MatchExactly).value(0)->setSelected(true);
  }
  QString header(const QString& name) { return QStringLiteral("================") + name + QStringLiteral("=============="); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("beach|snap"));
    panel = panels::attachReports(*window);
  }

  void cleanup() {
    QCOMPARE(window->msgUnanswered, 0);
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void savesACopyUnderTheNameAndASecondSaveReplacesIt() {
    writeQuickReport("*Holiday* \"E:\\\",\"beach.jpg\"\r\n*Work* \"F:\\\",\"snap.png\"\r\n");
    saveAs(QStringLiteral("Holiday"));
    QCOMPARE(window->msgHeadings, (QStringList{"Saving Search Report", "Saved!"}));
    QCOMPARE(window->msgMessages[0], kSearchQuestion);
    QCOMPARE(window->scripted.prompts, QStringList{"SAVE this report to:"});
    QCOMPARE(window->scripted.proposed, QStringList{"beach|snap"});
    QCOMPARE(window->msgMessages[1], QStringLiteral("The report was saved in the following folder:\n\n") + saved("Holiday"));
    QCOMPARE(TempWorld::readFile(saved("Holiday")), TempWorld::readFile(world->appFolder() + QStringLiteral("QReport.rtf")));

    writeQuickReport("*Work* \"F:\\\",\"snap.png\"\r\n");
    saveAs(QStringLiteral("Holiday"));
    QCOMPARE(TempWorld::readFile(saved("Holiday")), QByteArray("*Work* \"F:\\\",\"snap.png\"\r\n"));
    QCOMPARE(savedFiles(), QStringList{"Holiday.rtf"});  // no temporary file left beside it
  }

  void anEmptyQuickReportSavesAnEmptyReport() {
    writeQuickReport("");
    saveAs(QStringLiteral("No hits"));
    QVERIFY(QFile::exists(saved("No hits")));
    QVERIFY(TempWorld::readFile(saved("No hits")).isEmpty());
    QCOMPARE(window->msgHeadings.last(), QStringLiteral("Saved!"));
  }

  void noEmptyNameNoCancelNothingWrittenAndNothingSaid() {
    writeQuickReport("*a* one\r\n");
    window->msgAnswers = {kNo};
    panel->offerSave(kSearchQuestion);
    QVERIFY(window->scripted.prompts.isEmpty());  // No stops before the name is asked

    saveAs(QStringLiteral(""));
    saveAs(std::nullopt);
    QVERIFY(savedFiles().isEmpty());
    QCOMPARE(window->msgHeadings, (QStringList{"Saving Search Report", "Saving Search Report", "Saving Search Report"}));
    window->msgAnswers.clear();  // the two "Saved!" answers went unused
  }

  void namesThatAreNotPlainFileNamesAreRefusedWithNothingWritten() {
    writeQuickReport("*a* one\r\n");
    for (const QString& name : {QStringLiteral("../escape"), QStringLiteral("a/b"), QStringLiteral(".."),
                                QStringLiteral("a,b")}) {
      window->msgHeadings.clear();
      window->msgMessages.clear();
      saveAs(name);
      QCOMPARE(window->msgHeadings, (QStringList{"Saving Search Report", "Report NOT saved"}));
      QVERIFY2(window->msgMessages[1].contains(name), qPrintable(window->msgMessages[1]));
    }
    QVERIFY(savedFiles().isEmpty());
    QVERIFY(!QFile::exists(world->dataPath() + QStringLiteral("escape.rtf")));
    QVERIFY(!QDir(reportFolder() + QStringLiteral("a")).exists());
  }

  void aFailingCopyIsSaidAndNotCalledSaved() {
    saveAs(QStringLiteral("Holiday"));  // no quick report to copy
    QCOMPARE(window->msgHeadings, (QStringList{"Saving Search Report", "Report NOT saved"}));
    QVERIFY(window->msgMessages[1].contains(QStringLiteral("no quick report")));
    QVERIFY(savedFiles().isEmpty());
  }

  void theSaveButtonAsksItsOwnQuestionAndLeavesTheViewReadOnly() {
    writeQuickReport("*a* one\r\n");
    panel->showReportPanel();
    QVERIFY(reportPanel()->isVisible());
    view()->setReadOnly(false);
    window->msgAnswers = {kYes, kYes};
    window->scripted.inputs = {QStringLiteral("Mine")};
    panel->saveFromButton();
    QVERIFY(!reportPanel()->isVisible());
    QCOMPARE(window->msgMessages[0], kButtonQuestion);
    QVERIFY(QFile::exists(saved("Mine")));
    QVERIFY(view()->isReadOnly());
  }

  void erSwitchesTheViewAndGivesItTheFocus() {
    window->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    view()->setText(QStringLiteral("line"));
    QVERIFY(view()->isReadOnly());
    panel->toggleEditable();
    QVERIFY(!view()->isReadOnly());
    QVERIFY(view()->hasFocus());
    panel->toggleEditable();
    QVERIFY(view()->isReadOnly());
    QVERIFY(view()->hasFocus());
    QCOMPARE(view()->text(), QStringLiteral("line"));
  }

  void theLoaderListsSavedReportsAlphabetically() {
    for (const char* name : {"zeta.RTF", "Holiday.rtf", "apple.rtf", "notes.txt"})
      world->writeFile(reportFolder() + QString::fromLatin1(name), "");
    QDir().mkpath(reportFolder() + QStringLiteral("folder.rtf"));
    window->values().dataPath = world->dataPath() + QStringLiteral("/");  // the separator doubled
    panel->showReportPanel();
    reportList()->addItem(QStringLiteral("stale.rtf"));
    panel->openLoader();
    QCOMPARE(window->values().dataPath, world->dataPath());
    QVERIFY(!reportPanel()->isVisible());
    QVERIFY(loader()->isVisible());
    QCOMPARE(panels::entriesOf(*reportList()), (QStringList{"apple.rtf", "Holiday.rtf", "zeta.RTF"}));
    pressLoaderButton(0);
    QVERIFY(!loader()->isVisible());
  }

  void loadReportAppendsTheSelectedReportsInListOrderUnderHeaders() {
    world->writeFile(reportFolder() + QStringLiteral("apple.rtf"), "*A* one\r\n");
    world->writeFile(reportFolder() + QStringLiteral("Beach.rtf"), "*B* two\r\n");
    world->writeFile(reportFolder() + QStringLiteral("Holiday.rtf"), "*H* three\r\n*H* four\r\n");
    world->writeFile(reportFolder() + QStringLiteral("unpicked.rtf"), "*U* never\r\n");
    view()->setText(QStringLiteral("old text"));
    panel->openLoader();
    selectReports({"Holiday.rtf", "apple.rtf", "Beach.rtf"});  // picked out of list order
    window->scripted.answers = {Answer::No};
    pressLoaderButton(1);
    QCOMPARE(window->scripted.questions, QStringList{"Quilmo"});
    QCOMPARE(view()->text(), QStringLiteral("old text\n") + header("apple.rtf") + QStringLiteral("\n*A* one\n\n") +
                                 header("Beach.rtf") + QStringLiteral("\n*B* two\n\n") + header("Holiday.rtf") +
                                 QStringLiteral("\n*H* three\n*H* four\n"));
    QVERIFY(!loader()->isVisible());
    QVERIFY(view()->text().split(u'\n').contains(QStringLiteral("================Holiday.rtf==============")));

    panel->openLoader();
    selectReports({"Beach.rtf"});
    window->scripted.answers = {Answer::Yes};
    pressLoaderButton(1);
    QCOMPARE(view()->text(), QStringLiteral("\n") + header("Beach.rtf") + QStringLiteral("\n*B* two\n"));
  }

  void anEmptyViewIsNotAskedAboutAndAVanishedReportIsSaid() {
    world->writeFile(reportFolder() + QStringLiteral("kept.rtf"), "*K* one\r\n");
    world->writeFile(reportFolder() + QStringLiteral("gone.rtf"), "*G* two\r\n");
    panel->openLoader();
    selectReports({"kept.rtf", "gone.rtf"});
    QFile::remove(reportFolder() + QStringLiteral("gone.rtf"));
    window->msgAnswers = {kYes};
    pressLoaderButton(1);
    QVERIFY(window->scripted.questions.isEmpty());
    QCOMPARE(view()->text(), QStringLiteral("\n") + header("kept.rtf") + QStringLiteral("\n*K* one\n"));
    QCOMPARE(window->msgHeadings, QStringList{"Report NOT loaded"});
    QVERIFY(window->msgMessages[0].endsWith(QStringLiteral("\n\ngone.rtf")));
    QVERIFY(!loader()->isVisible());
  }
};

QTEST_MAIN(ReportPanelTest)
#include "ReportPanelTest.moc"
