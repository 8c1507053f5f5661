// The default-drive panel WDrive of the real window, opened by "Set CD/DVD": Continue, Cancel and FiX.
#include <QListWidget>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {
struct World : WindowHarness {
  World() {
    writeData(QStringLiteral("QM.tex"), "Holiday\r\n");
    start();
    window->values().discDrive = QStringLiteral("D");
    ssc = TempWorld::readFile(sscIni());
  }
  QByteArray ssc;  // SSc.ini as the start left it
  QString sscIni() const { return world.appFolder() + QStringLiteral("SSc.ini"); }
  QString newDrive() const {
    return window->programSettings().value(QStringLiteral("Set Drive"), QStringLiteral("NEW Drive"));
  }
  // "Set CD/DVD", then a letter marked in the list.
  void openAndMark(const QString& letter) const {
    click(QStringLiteral("GCom(6)"));
    auto* list = get<QListWidget>(QStringLiteral("SScLys"));
    list->setCurrentItem(list->findItems(letter, Qt::MatchExactly).value(0));
  }
};
}  // namespace

class DefaultDrivePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void continueWithFixTakesTheNewLetterWithoutOnlyForTheFile() {
    World w;
    w.openAndMark(QStringLiteral("E"));
    QCOMPARE(w.entries(QStringLiteral("SScLys")).join(QString()), QStringLiteral("DEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(w.window->programSettings().value(QStringLiteral("Set Drive"), QStringLiteral("OLD Drive")),
             QStringLiteral("D"));
    w.dialogs.answers = {Answer::Yes, Answer::No};
    w.click(QStringLiteral("WCom(0)"));
    QCOMPARE(w.dialogs.questions, QStringList{"Drive Info changed: FiX or NOT?"});
    QCOMPARE(TempWorld::readFile(w.sscIni()), QByteArray("E\r\n"));
    QCOMPARE(w.newDrive(), QStringLiteral("E"));
    QCOMPARE(w.window->values().discDrive, QStringLiteral("E"));
    QCOMPARE(w.text(QStringLiteral("DefDrive")), QStringLiteral("E"));
    QVERIFY(!w.visible(QStringLiteral("WDrive")));

    w.openAndMark(QStringLiteral("F"));  // No: the file takes F, this run keeps E
    w.click(QStringLiteral("WCom(0)"));
    QCOMPARE(TempWorld::readFile(w.sscIni()), QByteArray("F\r\n"));
    QCOMPARE(w.window->values().discDrive, QStringLiteral("E"));
    QCOMPARE(w.text(QStringLiteral("DefDrive")), QStringLiteral("E"));
    QCOMPARE(w.unanswered(), 0);
  }

  void aFirstDriveIsTakenWithoutAQuestion() {
    World w;
    w.window->values().discDrive.clear();
    w.openAndMark(QStringLiteral("G"));
    w.click(QStringLiteral("WCom(0)"));
    QVERIFY(w.dialogs.questions.isEmpty());
    QCOMPARE(w.window->values().discDrive, QStringLiteral("G"));
    QCOMPARE(w.text(QStringLiteral("DefDrive")), QStringLiteral("G"));
  }

  void cancelFixAndAnUnmarkedContinueChangeNothing() {
    World w;
    w.click(QStringLiteral("GCom(6)"));
    w.get<QListWidget>(QStringLiteral("SScLys"))->setCurrentRow(-1);
    w.click(QStringLiteral("WCom(0)"));  // no letter marked: said, the panel stays
    QCOMPARE(w.dialogs.messages.size(), 1);
    QVERIFY(w.visible(QStringLiteral("WDrive")));
    for (const char* button : {"WCom(1)", "WCom(2)"}) {
      w.openAndMark(QStringLiteral("E"));
      w.click(QString::fromLatin1(button));
      QVERIFY(!w.visible(QStringLiteral("WDrive")));
    }
    QCOMPARE(TempWorld::readFile(w.sscIni()), w.ssc);
    QVERIFY(w.newDrive().isEmpty());
    QCOMPARE(w.window->values().discDrive, QStringLiteral("D"));
  }
};

QUILMO_PANEL_TEST(DefaultDrivePanelTest)
#include "DefaultDrivePanelTest.moc"
