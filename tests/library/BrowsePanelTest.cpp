// The browse area, "GoTo", opening files and the view's row and status, in the real window
// over temporary folders mapped as drives.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "widgets/CatalogueView.h"
#include "support/PanelTests.h"
#include "support/Recorder.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {

// Drive E holds DOCS with three files and a folder; TXT opens with a recording program.
struct World : WindowHarness {
  QString discE, record, stub;
  World() {
    discE = world.folder(QStringLiteral("discE"));
    world.writeFile(discE + QStringLiteral("DOCS/report.txt"), "report");
    world.writeFile(discE + QStringLiteral("DOCS/setup.exe"), "");
    world.writeFile(discE + QStringLiteral("DOCS/Makefile"), "all:");
    world.folder(QStringLiteral("discE/DOCS/Old"));
    record = world.root() + QStringLiteral("args.txt");
    stub = test::writeRecorder(world.folder(QStringLiteral("tools")) + QStringLiteral("edit tool"), record);
    writeData(QStringLiteral("QM.soc"), ("TXT " + stub + "\r\n").toUtf8());
    start();
    window->drives().overrideForRun(u'E', discE);
    window->drives().overrideForRun(u'F', world.root() + QStringLiteral("not-inserted"));
    window->values().discDrive = QStringLiteral("E");
  }
  QString browseFolder() const { return window->values().browseFolder; }
  // "GoTo" with the text selected in the view.
  void goTo(const QString& selected) const {
    window->view()->setText(selected);
    window->view()->selectAll();
    click(QStringLiteral("OpenFile"));
  }
  QPoint rowOf(const QString& entry) const {
    auto* FiL = get<QListWidget>(QStringLiteral("FiL"));
    return FiL->visualItemRect(FiL->findItems(entry, Qt::MatchExactly).value(0)).center();
  }
  // A double click is a click followed by the double click event.
  static void doubleClick(QListWidget* box, const QPoint& at) {
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
  }
  void openFile(const QString& entry) const { doubleClick(get<QListWidget>(QStringLiteral("FiL")), rowOf(entry)); }
  void enterFolder(int row) const {
    auto* Dir1 = get<QListWidget>(QStringLiteral("Dir1"));
    doubleClick(Dir1, Dir1->visualItemRect(Dir1->item(row)).center());
  }
  void rightClick(const QString& entry) const {
    QWidget* viewport = get<QListWidget>(QStringLiteral("FiL"))->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, rowOf(entry), viewport->mapToGlobal(rowOf(entry)));
    QApplication::sendEvent(viewport, &event);
  }
  bool driveShown(const char* prefix) const {
    return get<QComboBox>(QStringLiteral("Drive1"))->currentText().startsWith(QString::fromLatin1(prefix));
  }
};
}  // namespace

class BrowsePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void goToWithTheRightDiscListsTheFolder() {
    World w;
    QCOMPARE(w.browseFolder(), QStringLiteral("C:\\"));  // the browse area starts on drive C
    // The forms of a selection are DiscFolderTest's; one catalogue line leads to E:\DOCS.
    w.goTo(QStringLiteral("\"E:\\DOCS\\\",\"report.txt\""));
    QCOMPARE(w.browseFolder(), QStringLiteral("E:\\DOCS\\"));
    QCOMPARE(w.entries(QStringLiteral("FiL")), (QStringList{"exe setup.exe", "Makefile", "txt report.txt"}));
    QCOMPARE(w.entries(QStringLiteral("Dir1")), (QStringList{"..", "Old"}));
    QVERIFY(w.driveShown("E: "));
    QVERIFY(w.msgHeadings.isEmpty());

    // Going up and down the folder box moves BrowseFolder and the list with it.
    w.enterFolder(1);
    QCOMPARE(w.browseFolder(), QStringLiteral("E:\\DOCS\\Old\\"));
    QVERIFY(w.entries(QStringLiteral("FiL")).isEmpty());
    w.enterFolder(0);
    w.enterFolder(0);
    QCOMPARE(w.browseFolder(), QStringLiteral("E:\\"));
    QCOMPARE(w.entries(QStringLiteral("Dir1")), QStringList{"DOCS"});

    // "Refresh" shows what is on the disc now; with the disc taken out the boxes stay.
    w.world.writeFile(w.discE + QStringLiteral("new.txt"), "");
    w.click(QStringLiteral("GCom(5)"));
    QCOMPARE(w.entries(QStringLiteral("FiL")), QStringList{"txt new.txt"});
    QDir(w.discE).removeRecursively();
    w.click(QStringLiteral("GCom(5)"));
    QCOMPARE(w.browseFolder(), QStringLiteral("E:\\"));
    QCOMPARE(w.unanswered(), 0);
  }

  void goToWithNoDiscOrAnotherDiscSaysSoAndFallsBackToDriveC() {
    World w;
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::Yes};
    const QString report = QStringLiteral("E:\\DOCS\\report.txt");
    w.goTo(QStringLiteral("E"));  // too short: nothing happens
    w.window->values().discDrive = QStringLiteral("F");
    w.goTo(report);
    QCOMPARE(w.browseFolder(), QStringLiteral("C:\\"));
    QVERIFY(w.driveShown("C: "));

    w.window->values().discDrive = QStringLiteral("E");
    w.goTo(report);
    w.goTo(QStringLiteral("E:\\PHOTOS\\beach.jpg"));
    QCOMPARE(w.browseFolder(), QStringLiteral("C:\\"));
    QCOMPARE(w.msgHeadings, (QStringList{"Drive ERROR", "Wrong Disc"}));
    QCOMPARE(w.msgMessages, (QStringList{"There is no disc in the drive!",
                                         "Although there is a disc in the specified drive, it's not the correct one!"}));

    // Choosing the empty drive in Drive1 says so too, and leaves the browse area as it was.
    auto* Drive1 = w.get<QComboBox>(QStringLiteral("Drive1"));
    Q_EMIT Drive1->activated(Drive1->findData(QStringLiteral("F")));
    QCOMPARE(w.msgHeadings.size(), 3);
    QCOMPARE(w.browseFolder(), QStringLiteral("C:\\"));
    QCOMPARE(w.unanswered(), 0);
  }

  void goToWithoutADriveWaitsForTheDefaultDrive() {
    World w;
    w.window->values().discDrive.clear();
    int offered = 0;
    QTimer::singleShot(0, this, [&] {
      offered = w.visible(QStringLiteral("WDrive")) ? w.entries(QStringLiteral("SScLys")).size() : -1;
      w.click(QStringLiteral("WCom(1)"));  // cancelled
    });
    w.goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    QCOMPARE(offered, 23);
    QCOMPARE(w.browseFolder(), QStringLiteral("C:\\"));

    QTimer::singleShot(0, this, [&] {
      auto* SScLys = w.get<QListWidget>(QStringLiteral("SScLys"));
      SScLys->setCurrentItem(SScLys->findItems(QStringLiteral("E"), Qt::MatchExactly).value(0));
      w.click(QStringLiteral("WCom(0)"));  // "Continue" on E
    });
    w.goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    QCOMPARE(w.browseFolder(), QStringLiteral("E:\\DOCS\\"));
  }

  void doubleClickOpensWithTheAssociatedProgramOrOffersAssociations() {
    World w;
    w.goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    w.openFile(QStringLiteral("txt report.txt"));
    const QString file = w.discE + QStringLiteral("DOCS/report.txt");
    QCOMPARE(test::waitForRecord(w.record), (file + u'\n').toUtf8());
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [report.txt ]"));
    QVERIFY(w.msgHeadings.isEmpty());

    QFile::remove(w.world.appFolder() + QStringLiteral("ttt.ttt"));
    w.msgAnswers = {Answer::Yes};
    w.openFile(QStringLiteral("Makefile"));
    QCOMPARE(w.msgHeadings, QStringList{"No association?"});
    QCOMPARE(w.msgMessages,
             QStringList{"Maybe this does not have an association!\n\nRClick on the file to set associations..."});
    QVERIFY(w.visible(QStringLiteral("SocPan")));
    QVERIFY(!QFile::exists(w.world.appFolder() + QStringLiteral("ttt.ttt")));
  }

  void rightClickNotesTheTypeOnce() {
    World w;
    w.world.writeFile(w.discE + QStringLiteral("DOCS/notes.TXT"), "");
    w.goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    w.rightClick(QStringLiteral("txt report.txt"));
    QVERIFY(w.visible(QStringLiteral("SocPan")));
    w.rightClick(QStringLiteral("TXT notes.TXT"));
    w.rightClick(QStringLiteral("exe setup.exe"));
    QCOMPARE(w.entries(QStringLiteral("EXLys")), (QStringList{"exe", "txt"}));
    QCOMPARE(w.dataFile(QStringLiteral("QM.EXL")), QByteArray("txt\r\nexe\r\n"));
  }

  void viewClicksKeepTheCaretAndShowTheSelection() {
    World w;
    CatalogueView* view = w.window->view();
    view->setText(QStringLiteral("one\ntwo\nthree\n\"E:\\DOCS\\\",\"a.txt\"\n"));
    view->setCaretPosition(8);
    Q_EMIT view->clicked();
    QCOMPARE(w.window->values().viewCaret, qint64(8));
    view->select(15, 8);
    Q_EMIT view->doubleClicked();
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("E:\\DOCS\\"));
    QCOMPARE(w.text(QStringLiteral("LinkTel")), QStringLiteral("4"));
  }
};

QUILMO_PANEL_TEST(BrowsePanelTest)
#include "BrowsePanelTest.moc"
