// The drive buttons: DefDrive, the quick drive buttons SellD, "Refresh Drive Info" and
// "Set CD/DVD".
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "settings/DrivePanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

class DrivePanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::DrivePanel* panel = nullptr;
  int refreshes = 0;

  QPushButton* button(const QString& name) { return window->get<QPushButton>(name); }
  QPushButton* quick(int index) { return button(QStringLiteral("SellD(%1)").arg(index)); }
  QWidget* quickPanel() { return window->get<QWidget>(QStringLiteral("SellDPan")); }
  QString defDrive() { return window->get<QLabel>(QStringLiteral("DefDrive"))->text(); }
  QString stored(int index) {
    return window->programSettings().value(QStringLiteral("TmpDrive"), QStringLiteral("SellD%1").arg(index),
                                           QStringLiteral("unset"));
  }
  void rightClick(QWidget* widget) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &event);
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->programSettings().setValue(QStringLiteral("TmpDrive"), QStringLiteral("SellD1"), QStringLiteral("M"));
    window->values().discDrive = QStringLiteral("D");
    panel = panels::attachDrivePanel(*window);
    refreshes = 0;
    panel->refreshBrowseArea = [this] { ++refreshes; };
  }

  void cleanup() {
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void quickButtonChoosesTheDriveForThisRunOnly() {
    QStringList captions;
    for (int i = 0; i < 4; ++i) captions += quick(i)->text();
    QCOMPARE(captions, (QStringList{"H", "M", "J", "K"}));

    QTest::mouseClick(window->get<QLabel>(QStringLiteral("DefDrive")), Qt::LeftButton);
    QVERIFY(quickPanel()->isVisible());
    QTest::mouseClick(quick(1), Qt::LeftButton);
    QCOMPARE(window->values().discDrive, QStringLiteral("M"));
    QCOMPARE(defDrive(), QStringLiteral("M"));
    QVERIFY(!quickPanel()->isVisible());
    QVERIFY(!QFile::exists(world->appFolder() + QStringLiteral("SSc.ini")));

    QTest::mouseClick(button(QStringLiteral("DefDrivePan")), Qt::LeftButton);
    QVERIFY(quickPanel()->isVisible());
    QTest::mouseClick(button(QStringLiteral("KlaaR")), Qt::LeftButton);
    QVERIFY(!quickPanel()->isVisible());
    QCOMPARE(window->values().discDrive, QStringLiteral("M"));
  }

  void rightClickTakesAndKeepsANewLetter() {
    window->scripted.inputs = {QStringLiteral("e:"), QStringLiteral("hello"), std::nullopt};
    rightClick(quick(2));
    QCOMPARE(window->scripted.prompts, QStringList{"Type the letter of the CD/DvD Drive and enter"});
    QCOMPARE(quick(2)->text(), QStringLiteral("E"));
    QCOMPARE(stored(2), QStringLiteral("E"));
    QCOMPARE(window->values().discDrive, QStringLiteral("E"));
    QCOMPARE(defDrive(), QStringLiteral("E"));

    rightClick(quick(3));  // not a letter: said, nothing changes
    QCOMPARE(window->scripted.messages.size(), 1);
    QCOMPARE(quick(3)->text(), QStringLiteral("K"));
    QCOMPARE(stored(3), QStringLiteral("unset"));
    QCOMPARE(window->values().discDrive, QStringLiteral("E"));

    rightClick(quick(0));  // cancelled: the button and the drive are emptied, and so is the stored letter
    QCOMPARE(quick(0)->text(), QString());
    QCOMPARE(stored(0), QString());
    QCOMPARE(window->values().discDrive, QString());

    // The stored letters come back on the next start.
    window.reset();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    panels::attachDrivePanel(*window);
    QCOMPARE(quick(0)->text(), QString());
    QCOMPARE(quick(2)->text(), QStringLiteral("E"));
  }

  void setCdDvdListsTheLettersDToZ() {
    window->get<QListWidget>(QStringLiteral("SScLys"))->addItem(QStringLiteral("stale"));
    QTest::mouseClick(button(QStringLiteral("GCom(6)")), Qt::LeftButton);
    QStringList letters;
    for (char c = 'D'; c <= 'Z'; ++c) letters += QString(QLatin1Char(c));
    auto* list = window->get<QListWidget>(QStringLiteral("SScLys"));
    QStringList shown;
    for (int row = 0; row < list->count(); ++row) shown += list->item(row)->text();
    QCOMPARE(shown, letters);
    QCOMPARE(window->get<QLabel>(QStringLiteral("Label3"))->text(),
             QStringLiteral("Select the letter from the list (on the right) to set the default CD/DVD drive.\n\n"
                            "This is done only once until you decide to set a new drive letter."));
    QCOMPARE(window->programSettings().value(QStringLiteral("Set Drive"), QStringLiteral("OLD Drive")),
             QStringLiteral("D"));
    QVERIFY(window->get<QWidget>(QStringLiteral("WDrive"))->isVisible());
    QCOMPARE(window->statusColourRestored, 1);
  }

  void refreshRestoresTheColourAndRereadsTheBrowseArea() {
    QTest::mouseClick(button(QStringLiteral("GCom(5)")), Qt::LeftButton);
    QCOMPARE(refreshes, 1);
    QCOMPARE(window->statusColourRestored, 1);
  }
};

QTEST_MAIN(DrivePanelTest)
#include "DrivePanelTest.moc"
