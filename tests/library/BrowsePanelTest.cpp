// The browse area, "GoTo", opening files and the catalogue view's handlers, over
// temporary folders mapped as drives.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "library/AssociationPanel.h"
#include "library/BrowsePanel.h"
#include "library/ViewPanel.h"
#include "support/FakeWindow.h"
#include "support/Recorder.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6;
}

class BrowsePanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::BrowsePanel* browse = nullptr;
  QString selection;
  QString discE;  // what drive E stands for
  QString record, stub;  // the program associated with TXT, and what it records

  QListWidget* list(const char* name) { return window->get<QListWidget>(QString::fromLatin1(name)); }
  QStringList entries(const char* name) {
    QStringList texts;
    for (int row = 0; row < list(name)->count(); ++row) texts += list(name)->item(row)->text();
    return texts;
  }
  QString browseFolder() { return window->values().browseFolder; }
  void goTo(const QString& text) {
    selection = text;
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("OpenFile")), Qt::LeftButton);
  }
  QRect rowRect(const QString& entry) {
    QListWidget* files = list("FiL");
    return files->visualItemRect(files->findItems(entry, Qt::MatchExactly).value(0));
  }
  // A double click is a click followed by the double click event.
  static void doubleClick(QListWidget* box, const QPoint& at) {
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
  }
  void doubleClick(const QString& entry) { doubleClick(list("FiL"), rowRect(entry).center()); }
  void enterFolder(int row) {
    QListWidget* folders = list("Dir1");
    doubleClick(folders, folders->visualItemRect(folders->item(row)).center());
  }
  void rightClick(const QString& entry) {
    const QPoint at = rowRect(entry).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list("FiL")->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list("FiL")->viewport(), &event);
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    discE = world->folder(QStringLiteral("discE"));
    world->writeFile(discE + QStringLiteral("DOCS/report.txt"), "report");
    world->writeFile(discE + QStringLiteral("DOCS/setup.exe"), "");
    world->writeFile(discE + QStringLiteral("DOCS/Makefile"), "all:");
    world->folder(QStringLiteral("discE/DOCS/Old"));
    record = world->root() + QStringLiteral("args.txt");
    stub = test::writeRecorder(world->folder(QStringLiteral("tools")) + QStringLiteral("edit tool"), record);
    world->writeFile(world->dataPath() + QStringLiteral("QM.soc"), ("TXT " + stub + "\r\n").toUtf8());
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->drives().overrideForRun(u'C', world->home());
    window->drives().overrideForRun(u'E', discE);
    window->drives().overrideForRun(u'F', world->root() + QStringLiteral("not-inserted"));
    window->values().discDrive = QStringLiteral("E");
    auto* associations = panels::attachAssociations(*window);
    browse = panels::attachBrowsing(*window, *associations);
    selection.clear();
    browse->selectedText = [this] { return selection; };
  }

  void cleanup() {
    QCOMPARE(window->msgUnanswered, 0);
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void goToWithTheRightDiscListsTheFolder() {
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));  // the browse area starts on drive C
    const QStringList listing{"exe setup.exe", "Makefile", "txt report.txt"};
    // A catalogue line, a hit line and a plain path all lead to E:\DOCS.
    for (const QString& line : {QStringLiteral("\"E:\\DOCS\\\",\"report.txt\""),
                                QStringLiteral("*Holiday* \"E:\\DOCS\\\",\"Makefile\""),
                                QStringLiteral("D:\\DOCS\\setup.exe")}) {
      browse->showDrive(u'C');
      goTo(line);
      QCOMPARE(browseFolder(), QStringLiteral("E:\\DOCS\\"));
      QCOMPARE(entries("FiL"), listing);
    }
    QCOMPARE(entries("File1"), (QStringList{"setup.exe", "Makefile", "report.txt"}));
    QCOMPARE(entries("Dir1"), (QStringList{"..", "Old"}));
    QVERIFY(window->get<QComboBox>(QStringLiteral("Drive1"))->currentText().startsWith(QStringLiteral("E: ")));
    QVERIFY(list("FiL")->isEnabled());
    QCOMPARE(window->get<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Type the letter of the drive to execute the command. Ex:\n\nD\n[where D is the drive "
                            "where the disc recide]"));
    QVERIFY(window->msgHeadings.isEmpty());

    // Going up and down the folder box moves BrowseFolder and the list with it.
    enterFolder(1);
    QCOMPARE(browseFolder(), QStringLiteral("E:\\DOCS\\Old\\"));
    QVERIFY(entries("FiL").isEmpty());
    enterFolder(0);
    enterFolder(0);
    QCOMPARE(browseFolder(), QStringLiteral("E:\\"));
    QCOMPARE(entries("Dir1"), QStringList{"DOCS"});
  }

  void goToWithNoDiscOrAnotherDiscSaysSoAndFallsBackToDriveC() {
    window->msgAnswers = {kYes, kYes, kYes};
    const QString report = QStringLiteral("E:\\DOCS\\report.txt");
    goTo(report);
    window->values().discDrive = QStringLiteral("F");
    goTo(report);
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));
    QVERIFY(window->get<QComboBox>(QStringLiteral("Drive1"))->currentText().startsWith(QStringLiteral("C: ")));

    window->values().discDrive = QStringLiteral("E");
    goTo(report);
    goTo(QStringLiteral("E:\\PHOTOS\\beach.jpg"));
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));
    QCOMPARE(window->msgHeadings, (QStringList{"Drive ERROR", "Wrong Disc"}));
    QCOMPARE(window->msgMessages, (QStringList{"There is no disc in the drive!",
                                               "Although there is a disc in the specified drive, it's not the correct one!"}));

    // Choosing the empty drive in Drive1 says so too, and leaves the browse area as it was.
    auto* drive1 = window->get<QComboBox>(QStringLiteral("Drive1"));
    Q_EMIT drive1->activated(drive1->findData(QStringLiteral("F")));
    QCOMPARE(window->msgHeadings.size(), 3);
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));
  }

  void goToWithATooShortSelectionDoesNothing() {
    goTo(QStringLiteral("E"));
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));
    QVERIFY(window->get<QLabel>(QStringLiteral("Label3"))->text().isEmpty());
  }

  void goToWithoutADriveWaitsForTheDefaultDrive() {
    window->values().discDrive.clear();
    window->whileWaiting = [this] {
      QVERIFY(window->get<QWidget>(QStringLiteral("WDrive"))->isVisible());
      QCOMPARE(list("SScLys")->count(), 23);
    };
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));  // the choice is cancelled
    QCOMPARE(window->wagterCalls, 1);
    QCOMPARE(browseFolder(), QStringLiteral("C:\\"));

    window->whileWaiting = [this] { window->values().discDrive = QStringLiteral("E"); };  // "Continue" on E
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    QCOMPARE(window->wagterCalls, 2);
    QCOMPARE(browseFolder(), QStringLiteral("E:\\DOCS\\"));
  }

  void doubleClickOpensWithTheAssociatedProgram() {
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));

    doubleClick(QStringLiteral("txt report.txt"));
    const QString file = discE + QStringLiteral("DOCS/report.txt");
    QCOMPARE(test::waitForRecord(record), (file + u'\n').toUtf8());
    QCOMPARE(TempWorld::readFile(world->appFolder() + QStringLiteral("ttt.ttt")),
             (stub + QStringLiteral(" \"") + file + QStringLiteral("\"\r\n")).toUtf8());
    QCOMPARE(window->caption, QStringLiteral("report.txt"));
    QVERIFY(window->msgHeadings.isEmpty());
  }

  void doubleClickWithoutAssociationLeadsToTheAssociationsPanel() {
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    window->msgAnswers = {kYes};
    doubleClick(QStringLiteral("Makefile"));
    QCOMPARE(window->msgHeadings, QStringList{"No association?"});
    QCOMPARE(window->msgMessages, QStringList{"Maybe this does not have an association!\n\nRClick on the file to set associations..."});
    QVERIFY(window->get<QWidget>(QStringLiteral("SocPan"))->isVisible());
    QVERIFY(!QFile::exists(world->appFolder() + QStringLiteral("ttt.ttt")));
  }

  void rightClickNotesTheTypeOnce() {
    world->writeFile(discE + QStringLiteral("DOCS/notes.TXT"), "");
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    rightClick(QStringLiteral("txt report.txt"));
    QVERIFY(window->get<QWidget>(QStringLiteral("SocPan"))->isVisible());
    rightClick(QStringLiteral("TXT notes.TXT"));
    rightClick(QStringLiteral("exe setup.exe"));
    QCOMPARE(entries("EXLys"), (QStringList{"exe", "txt"}));
    QCOMPARE(TempWorld::readFile(world->dataPath() + QStringLiteral("QM.EXL")), QByteArray("txt\r\nexe\r\n"));
  }

  void refreshDriveInfoShowsWhatIsOnTheDiscNow() {
    goTo(QStringLiteral("E:\\DOCS\\report.txt"));
    world->writeFile(discE + QStringLiteral("new.txt"), "");
    browse->refreshDriveInfo();
    QCOMPARE(browseFolder(), QStringLiteral("E:\\"));
    QCOMPARE(entries("FiL"), QStringList{"txt new.txt"});

    // The disc taken out: the boxes stay as they are.
    QDir(discE).removeRecursively();
    browse->refreshDriveInfo();
    QCOMPARE(browseFolder(), QStringLiteral("E:\\"));
    QVERIFY(window->msgHeadings.isEmpty());
  }

  void viewHandlersKeepCaretRowAndFindKeys() {
    auto* view = panels::attachView(*window);
    qint64 caret = 42;
    view->caretPosition = [&caret] { return caret; };
    view->caretLine = [] { return qint64(3); };
    view->selectedText = [] { return QStringLiteral("E:\\DOCS\\"); };
    QList<bool> widths;
    view->setWide = [&widths](bool wide) { widths += wide; };

    view->clicked();
    QCOMPARE(window->values().viewCaret, qint64(42));
    view->doubleClicked();
    QCOMPARE(window->statuses.value(0), QStringLiteral("E:\\DOCS\\"));
    QCOMPARE(window->statusColourRestored, 1);
    QCOMPARE(window->get<QLabel>(QStringLiteral("LinkTel"))->text(), QStringLiteral("4"));

    QSignalSpy find(window->get<QPushButton>(QStringLiteral("GCom(2)")), &QPushButton::clicked);
    QSignalSpy findNext(window->get<QPushButton>(QStringLiteral("GCom(3)")), &QPushButton::clicked);
    view->functionKeyPressed(Qt::Key_F3);
    view->functionKeyPressed(Qt::Key_F4);
    view->functionKeyPressed(Qt::Key_F5);
    QCOMPARE(find.count(), 1);
    QCOMPARE(findNext.count(), 1);

    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("RTXw(0)")), Qt::LeftButton);
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("RTXw(1)")), Qt::LeftButton);
    QCOMPARE(widths, (QList<bool>{true, false}));
  }
};

QTEST_MAIN(BrowsePanelTest)
#include "BrowsePanelTest.moc"
