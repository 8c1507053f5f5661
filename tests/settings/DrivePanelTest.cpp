// The drive controls of the real window: DefDrive, the quick drives SellD, WDrive ("Set CD/DVD")
// and the drive letters mapped from "Data Path".
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;

namespace {
struct World : test::WindowHarness {
  World() {
    writeData(QStringLiteral("QM.tex"), "Holiday\r\n");
    start();
    window->values().discDrive = QStringLiteral("D");
  }
  QString ssc() const { return QString::fromLatin1(test::TempWorld::readFile(world.appFolder() + "SSc.ini")); }
  QString drive() const { return window->values().discDrive; }
  QString stored(int i) const { return window->programSettings().value("TmpDrive", QString("SellD%1").arg(i), "unset"); }
  void rightClick(int index) const {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(get(QStringLiteral("SellD(%1)").arg(index)), &event);
  }
  // "Set CD/DVD", a letter marked in the list, then a button of the panel.
  void setCdDvd(const QString& letter, const char* button = "WCom(0)") const {
    click(QStringLiteral("GCom(6)"));
    auto* list = get<QListWidget>(QStringLiteral("SScLys"));
    list->setCurrentItem(list->findItems(letter, Qt::MatchExactly).value(0));
    click(QString::fromLatin1(button));
  }
};
}  // namespace

class DrivePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void quickButtonsChooseTheDriveForThisRunAndTakeANewLetterOnARightClick() {
    World w;
    const QString ssc = w.ssc();
    w.click(QStringLiteral("DefDrive"));
    QVERIFY(w.visible(QStringLiteral("SellDPan")));
    w.click(QStringLiteral("KlaaR"));
    QVERIFY(!w.visible(QStringLiteral("SellDPan")));
    w.click(QStringLiteral("DefDrivePan"));
    QVERIFY(w.visible(QStringLiteral("SellDPan")));
    w.click(QStringLiteral("SellD(3)"));
    QVERIFY(!w.visible(QStringLiteral("SellDPan")));
    QCOMPARE((QStringList{w.drive(), w.text(QStringLiteral("DefDrive")), w.ssc()}), (QStringList{"K", "K", ssc}));

    w.dialogs.inputs = {QStringLiteral("e:"), QStringLiteral("hello"), std::nullopt};
    w.rightClick(2);
    QCOMPARE((QStringList{w.text(QStringLiteral("SellD(2)")), w.stored(2), w.drive()}), (QStringList{"E", "E", "E"}));
    w.rightClick(1);  // not a letter: said, nothing changes
    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.stored(1), QStringLiteral("unset"));
    w.rightClick(0);  // cancelled: the button, the drive and the stored letter are emptied
    QCOMPARE((QStringList{w.text(QStringLiteral("SellD(0)")), w.stored(0), w.drive()}), (QStringList{"", "", ""}));
  }

  void setCdDvdStoresTheLetterOnContinueAndAsksWhetherThisRunTakesIt() {
    World w;
    const QString ssc = w.ssc();
    w.setCdDvd(QStringLiteral("none"));
    QCOMPARE(w.dialogs.messages.size(), 1);  // said; the panel stays
    QVERIFY(w.visible(QStringLiteral("WDrive")));
    for (const char* button : {"WCom(1)", "WCom(2)"}) {  // Cancel and FiX only close it
      w.setCdDvd(QStringLiteral("E"), button);
      QVERIFY(!w.visible(QStringLiteral("WDrive")));
    }
    QCOMPARE((QStringList{w.ssc(), w.drive()}), (QStringList{ssc, "D"}));
    w.click(QStringLiteral("WCom(2)"));  // with the panel closed, FiX says how a new drive is set
    QVERIFY(w.text(QStringLiteral("LaB")).contains(QStringLiteral("\"Set CD/DVD\"")));

    w.dialogs.answers = {Answer::Yes, Answer::No};
    w.setCdDvd(QStringLiteral("E"));
    QCOMPARE(w.dialogs.questions, QStringList{"Drive Info changed: FiX or NOT?"});
    QCOMPARE(w.window->programSettings().value(QStringLiteral("Set Drive"), QStringLiteral("OLD Drive")), "D");
    QCOMPARE((QStringList{w.ssc(), w.drive(), w.text(QStringLiteral("DefDrive"))}), (QStringList{"E\r\n", "E", "E"}));
    QVERIFY(!w.visible(QStringLiteral("WDrive")));
    w.setCdDvd(QStringLiteral("F"));  // No: the file takes F, this run keeps E
    QCOMPARE((QStringList{w.ssc(), w.drive(), w.text(QStringLiteral("DefDrive"))}), (QStringList{"F\r\n", "E", "E"}));
    QCOMPARE(w.dialogs.questions.size(), 2);
  }

  // "Drive letters", opened from "Data Path": Enter acts for the field it is typed in, and
  // the window's drive box Drive1 follows every change of the map at once.
  void driveLettersAnswerEnterInEachFieldAndDrive1FollowsTheMap() {
    World w;
    const QString music = w.world.folder(QStringLiteral("music"));
    w.world.folder(QStringLiteral("music/jazz"));
    auto* Drive1 = w.get<QComboBox>(QStringLiteral("Drive1"));
    const QString home = Drive1->currentText();
    bool done = false;
    w.whenShown(QStringLiteral("Data Path"), [&](QWidget* chooser) {
      w.whenShown(QStringLiteral("Drive letters"), [&](QWidget* dialog) {
        auto* letter = dialog->findChild<QComboBox*>(QStringLiteral("DriveLetter"));
        auto* folder = dialog->findChild<QLineEdit*>(QStringLiteral("DriveFolder"));
        auto* unmap = dialog->findChild<QPushButton*>(QStringLiteral("UnmapLetter"));
        const auto mapTyped = [&](QChar to) {
          letter->setCurrentIndex(to.unicode() - u'A');
          QTest::keyClick(letter, Qt::Key_Return);  // the letter box has nothing to act on
          folder->setText(music);
          QTest::keyClick(folder, Qt::Key_Return);
        };
        mapTyped(u'M');
        QVERIFY(Drive1->findText(QStringLiteral("M: ") + music) >= 0);
        QTest::keyClick(unmap, Qt::Key_Return);  // a button takes Enter itself
        QCOMPARE(Drive1->findText(QStringLiteral("M: "), Qt::MatchStartsWith), -1);
        // The drive shown moves with its letter, and back to the home folder when unmapped.
        mapTyped(u'C');
        QCOMPARE(Drive1->currentText(), QStringLiteral("C: ") + music);
        QCOMPARE(w.entries(QStringLiteral("Dir1")), (QStringList{"C:\\", "jazz"}));
        QTest::keyClick(unmap, Qt::Key_Return);
        QCOMPARE(Drive1->currentText(), home);
        auto* volumes = dialog->findChild<QListWidget*>(QStringLiteral("Volumes"));
        volumes->setCurrentRow(0);  // Enter on a volume maps the letter to it
        QTest::keyClick(volumes, Qt::Key_Return);
        if (volumes->count() > 0)
          QCOMPARE(w.window->drives().targetOf(u'C'), volumes->item(0)->data(Qt::UserRole).toString());
        done = true;
      });
      QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("DriveLetters")), Qt::LeftButton);
    });
    w.click(QStringLiteral("SoekCom(12)"));
    QVERIFY(done);
    QCOMPARE(w.dialogs.messages, QStringList{});  // never "Select a volume in the list first."
  }
};

QUILMO_PANEL_TEST(DrivePanelTest)
#include "DrivePanelTest.moc"
