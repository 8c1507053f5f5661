// The browse area, "GoTo", opening files and the view's row and status, in the real window
// over temporary folders mapped as drives. Which folder a selection names is
// DiscFolderTest's; how a file is opened is FileOpenerTest's.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "capture/DiscFacts.h"
#include "support/PanelTests.h"
#include "support/Recorder.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;

namespace {

// Drive E holds DOCS with three files and two folders; TXT opens with a recording program.
struct World : test::WindowHarness {
  QString discE, record;
  World() {
    discE = world.folder("discE");
    for (const char* file : {"report.txt", "setup.exe", "Makefile"}) world.writeFile(discE + "DOCS/" + file, "");
    for (const char* folder : {"discE/DOCS/Old", "discE/DOCS/Older"}) world.folder(folder);
    record = world.root() + "args.txt";
    writeData("QM.soc", ("TXT " + test::writeRecorder(world.folder("tools") + "edit tool", record) + "\r\n").toUtf8());
    start();
    window->drives().overrideForRun(u'E', discE);
    window->drives().overrideForRun(u'F', world.root() + "not-inserted");
    window->values().discDrive = "E";
  }
  QString browseFolder() const { return window->values().browseFolder; }
  // "GoTo" with the text selected in the view.
  void goTo(const QString& selected) const {
    window->view()->setText(selected);
    window->view()->selectAll();
    click("OpenFile");
  }
  // A double click is a click followed by the double click event.
  void doubleClick(const char* box, int row) const {
    auto* list = get<QListWidget>(box);
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  void rightClickFile(int row) const {
    auto* FiL = get<QListWidget>("FiL");
    const QPoint at = FiL->visualItemRect(FiL->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, FiL->viewport()->mapToGlobal(at));
    QApplication::sendEvent(FiL->viewport(), &event);
  }
  // Dir1's entries, its current one in brackets.
  QStringList folderBox() const {
    QStringList shown = entries("Dir1");
    const int current = get<QListWidget>("Dir1")->currentRow();
    if (current >= 0) shown[current] = '[' + shown[current] + ']';
    return shown;
  }
  bool driveShown(const char* prefix) const { return get<QComboBox>("Drive1")->currentText().startsWith(prefix); }
};

// Folders that pass for discs with an identity, for as long as it lives.
struct FakeVolumes {
  explicit FakeVolumes(const QMap<QString, QString>& identities) {
    capture::replaceVolumeReader([identities](const QString& root) {
      const QString identity = identities.value(QDir(root).path() + '/');
      return capture::VolumeFacts{{}, identity, {}, 0, 0, true, QDateTime::currentDateTimeUtc()};
    });
  }
  ~FakeVolumes() { capture::replaceVolumeReader({}); }
};
}  // namespace

class BrowsePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void goToWithTheRightDiscListsTheFolder() {
    World w;
    w.goTo("\"E:\\DOCS\\\",\"report.txt\"");
    QCOMPARE(w.browseFolder(), QString("E:\\DOCS\\"));
    QCOMPARE(w.entries("FiL"), (QStringList{"exe setup.exe", "Makefile", "txt report.txt"}));
    QVERIFY(w.driveShown("E: "));

    // The folder box names the root and each folder down to the one shown, which is its
    // current entry, then the sub-folders. Going down and up moves BrowseFolder and FiL.
    auto* Dir1 = w.get<QListWidget>("Dir1");
    QCOMPARE(w.folderBox(), (QStringList{"E:\\", "[DOCS]", "Old", "Older"}));
    w.doubleClick("Dir1", 2);
    QCOMPARE(w.browseFolder(), QString("E:\\DOCS\\Old\\"));
    QCOMPARE(w.folderBox(), (QStringList{"E:\\", "DOCS", "[Old]"}));
    QVERIFY(w.entries("FiL").isEmpty());
    w.doubleClick("Dir1", 0);
    QCOMPARE(w.folderBox(), (QStringList{"[E:\\]", "DOCS"}));
    QCOMPARE(w.browseFolder(), QString("E:\\"));

    // By keys: Down, Enter goes into DOCS; Down twice, Enter into Older; Up,
    // Enter back to DOCS.
    Dir1->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(Dir1, key);
    QCOMPARE(w.folderBox(), (QStringList{"E:\\", "DOCS", "[Older]"}));
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Enter}) QTest::keyClick(Dir1, key);
    QCOMPARE(w.folderBox(), (QStringList{"E:\\", "[DOCS]", "Old", "Older"}));
    QCOMPARE(w.entries("FiL"), (QStringList{"exe setup.exe", "Makefile", "txt report.txt"}));
    w.doubleClick("Dir1", 0);

    // "Refresh" shows what is on the disc now.
    w.world.writeFile(w.discE + "new.txt", "");
    w.click("GCom(5)");
    QCOMPARE(w.entries("FiL"), QStringList{"txt new.txt"});
    QCOMPARE(w.unanswered(), 0);
  }

  void goToWithNoDiscOrAnotherDiscSaysSoAndFallsBackToDriveC() {
    World w;
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::Yes};
    w.window->values().discDrive = "F";
    w.goTo("E:\\DOCS\\report.txt");
    QVERIFY(w.driveShown("C: "));
    w.window->values().discDrive = "E";
    w.goTo("E:\\PHOTOS\\beach.jpg");
    QCOMPARE(w.browseFolder(), QString("C:\\"));
    QCOMPARE(w.msgHeadings, (QStringList{"Drive ERROR", "Wrong Disc"}));
    QCOMPARE(w.msgMessages, (QStringList{"There is no disc in the drive!",
                                         "Although there is a disc in the specified drive, it's not the correct one!"}));

    // Choosing the empty drive in Drive1 says so too.
    auto* Drive1 = w.get<QComboBox>("Drive1");
    Q_EMIT Drive1->activated(Drive1->findData("F"));
    QCOMPARE(w.msgHeadings.size(), 3);
    QCOMPARE(w.browseFolder(), QString("C:\\"));
    QCOMPARE(w.unanswered(), 0);
  }

  // Holiday and Work are catalogued with their identities; the third disc is not. A
  // folder GoTo misses is told by the identity of the disc in the drive.
  void goToNamesTheCataloguedDiscInTheDriveOrTheFolderMissingFromTheRightOne() {
    World w;
    const QString holiday = w.world.folder("holiday"), work = w.world.folder("work"), other = w.world.folder("other");
    w.world.writeFile(holiday + "DOCS/a.txt", "");
    w.world.writeFile(work + "PICS/b.jpg", "");
    const FakeVolumes volumes({{holiday, "1111-aaaa"}, {work, "2222-bbbb"}, {other, "3333-cccc"}});
    const auto insert = [&](const QString& disc) { w.window->drives().overrideForRun(u'E', disc); };
    for (const auto& [name, disc] : {std::pair("Holiday", holiday), std::pair("Work", work)}) {
      insert(disc);
      auto* TeX = w.get<QComboBox>("TeX");
      TeX->setEditText({});
      QTest::keyClicks(TeX, name);
      QTest::keyClick(TeX, Qt::Key_Return);  // created, and shown in the view
    }
    CatalogueView* view = w.window->view();
    const auto goToFirstLine = [&](const QString& disc) {  // "E:\PICS\","b.jpg" of Work
      insert(disc);
      view->select(0, view->text().indexOf('\n'));
      w.click("OpenFile");
    };
    goToFirstLine(work);
    QCOMPARE(w.entries("FiL"), QStringList{"jpg b.jpg"});
    QCOMPARE(w.msgHeadings.size(), 0);

    w.msgAnswers = QList<Answer>(4, Answer::Yes);
    goToFirstLine(holiday);
    goToFirstLine(other);
    QVERIFY(QDir(work).rename("PICS", "Pictures"));
    goToFirstLine(work);
    w.goTo("E:\\DOCS\\a.txt");  // a text of no known catalogue
    const QString wrong = "Although there is a disc in the specified drive, it's not the correct one!";
    QCOMPARE(w.msgHeadings, (QStringList{"Wrong Disc", "Wrong Disc", "Folder Missing", "Wrong Disc"}));
    QCOMPARE(w.msgMessages,
             (QStringList{wrong + "\n\nThe drive holds Holiday; this catalogue is Work.", wrong,
                          "The disc in the drive is Work, but it holds no folder E:\\PICS\\!\n\n"
                          "Was the folder moved or deleted since the disc was catalogued?",
                          wrong + "\n\nThe drive holds Work."}));
    QCOMPARE(w.browseFolder(), QString("C:\\"));
    QCOMPARE(w.unanswered(), 0);
  }

  void goToWithoutADriveWaitsForTheDefaultDrive() {
    World w;
    w.window->values().discDrive.clear();
    QTimer::singleShot(0, this, [&] {
      auto* SScLys = w.get<QListWidget>("SScLys");
      SScLys->setCurrentItem(SScLys->findItems("E", Qt::MatchExactly).value(0));
      w.click("WCom(0)");  // "Continue" on E
    });
    w.goTo("E:\\DOCS\\report.txt");
    QCOMPARE(w.browseFolder(), QString("E:\\DOCS\\"));
  }

  void doubleClickOpensTheFileAndRightClickNotesItsType() {
    World w;
    w.world.writeFile(w.discE + "DOCS/notes.TXT", "");
    w.goTo("E:\\DOCS\\report.txt");
    w.doubleClick("FiL", 3);  // txt report.txt
    QCOMPARE(test::waitForRecord(w.record), (w.discE + "DOCS/report.txt\n").toUtf8());
    QCOMPARE(w.window->windowTitle(), QString("Quilmo [report.txt ]"));

    w.msgAnswers = {Answer::Yes};
    w.doubleClick("FiL", 1);  // Makefile: no association, the associations are offered
    QCOMPARE(w.msgHeadings, QStringList{"No association?"});
    QVERIFY(w.visible("SocPan"));

    for (int row : {3, 2, 0}) w.rightClickFile(row);  // txt, TXT, exe: each type noted once
    QCOMPARE(w.entries("EXLys"), (QStringList{"exe", "txt"}));
    QCOMPARE(w.dataFile("QM.EXL"), QByteArray("txt\r\nexe\r\n"));
  }

  void viewClicksKeepTheCaretAndShowTheSelection() {
    World w;
    CatalogueView* view = w.window->view();
    view->setText("one\ntwo\nthree\n\"E:\\DOCS\\\",\"a.txt\"\n");
    view->setCaretPosition(8);
    Q_EMIT view->clicked();
    QCOMPARE(w.window->values().viewCaret, qint64(8));
    view->select(15, 8);
    Q_EMIT view->doubleClicked();
    QCOMPARE(w.text("LaB"), QString("E:\\DOCS\\"));
    QCOMPARE(w.text("LinkTel"), QString("4"));
  }
};

QUILMO_PANEL_TEST(BrowsePanelTest)
#include "BrowsePanelTest.moc"
