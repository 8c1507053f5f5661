// The buttons of the default-drive panel WDrive.
#include <QComboBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "settings/DefaultDrivePanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

class DefaultDrivePanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  int closings = 0;

  QString sscIni() const { return world->appFolder() + QStringLiteral("SSc.ini"); }
  QWidget* wdrive() { return window->get<QWidget>(QStringLiteral("WDrive")); }
  QString defDrive() { return window->get<QLabel>(QStringLiteral("DefDrive"))->text(); }
  QString newDrive() { return window->programSettings().value(QStringLiteral("Set Drive"), QStringLiteral("NEW Drive")); }
  void press(int index) { QTest::mouseClick(window->get<QPushButton>(QStringLiteral("WCom(%1)").arg(index)), Qt::LeftButton); }
  void markLetter(const QString& letter) {
    auto* list = window->get<QListWidget>(QStringLiteral("SScLys"));
    list->setCurrentItem(list->findItems(letter, Qt::MatchExactly).value(0));
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    for (char16_t c = u'D'; c <= u'Z'; ++c)
      window->get<QListWidget>(QStringLiteral("SScLys"))->addItem(QString(QChar(c)));
    window->get<QComboBox>(QStringLiteral("TeX"))->addItem(QStringLiteral("Holiday"));
    window->values().discDrive = QStringLiteral("D");
    auto* panel = panels::attachDefaultDrive(*window);
    closings = 0;
    panel->closed = [this] { ++closings; };
    wdrive()->show();
  }

  void cleanup() {
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void continueWithFixTakesTheNewLetter() {
    markLetter(QStringLiteral("E"));
    window->scripted.answers = {Answer::Yes};
    press(0);
    QCOMPARE(window->scripted.questions, QStringList{"Drive Info changed: FiX or NOT?"});
    QCOMPARE(TempWorld::readFile(sscIni()), QByteArray("E\r\n"));
    QCOMPARE(newDrive(), QStringLiteral("E"));
    QCOMPARE(window->values().discDrive, QStringLiteral("E"));
    QCOMPARE(defDrive(), QStringLiteral("E"));
    QVERIFY(!wdrive()->isVisible());
    QCOMPARE(closings, 1);
  }

  void continueWithoutFixKeepsTheOldLetterForThisRun() {
    markLetter(QStringLiteral("F"));
    window->scripted.answers = {Answer::No};
    press(0);
    QCOMPARE(TempWorld::readFile(sscIni()), QByteArray("F\r\n"));
    QCOMPARE(window->values().discDrive, QStringLiteral("D"));
    QCOMPARE(defDrive(), QStringLiteral("D"));
    QCOMPARE(closings, 1);
  }

  void aFirstDriveIsTakenWithoutAQuestion() {
    window->values().discDrive.clear();
    markLetter(QStringLiteral("G"));
    press(0);
    QVERIFY(window->scripted.questions.isEmpty());
    QCOMPARE(window->values().discDrive, QStringLiteral("G"));
    QCOMPARE(defDrive(), QStringLiteral("G"));
  }

  void cancelAndFixOnlyClose() {
    markLetter(QStringLiteral("E"));
    press(1);
    QVERIFY(!wdrive()->isVisible());
    wdrive()->show();
    press(2);
    QVERIFY(!wdrive()->isVisible());
    QCOMPARE(closings, 2);
    QVERIFY(!QFile::exists(sscIni()));
    QVERIFY(newDrive().isEmpty());
    QCOMPARE(window->values().discDrive, QStringLiteral("D"));
  }

  void continueWithNoLetterMarkedKeepsThePanelOpen() {
    press(0);
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(wdrive()->isVisible());
    QCOMPARE(closings, 0);
    QVERIFY(!QFile::exists(sscIni()));
  }

  void hintOfFix() {
    QPointF at(2, 2);
    QEnterEvent enter(at, at, at);
    QApplication::sendEvent(window->get<QPushButton>(QStringLiteral("WCom(2)")), &enter);
    QCOMPARE(window->hint,
             QStringLiteral("Set a NEW Drive? FiX the OLD drive info with the NEW !   (Within ALL the current Disc Files)"));
  }
};

QTEST_MAIN(DefaultDrivePanelTest)
#include "DefaultDrivePanelTest.moc"
