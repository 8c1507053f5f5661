// The drive buttons of the real window: DefDrive, the quick drive buttons SellD and "Set CD/DVD".
#include <QContextMenuEvent>
#include <QtTest>

#include "platform/SettingsStore.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {
struct World : WindowHarness {
  World() {
    SettingsStore(QString::fromLatin1(SettingsStore::kProgram))
        .setValue(QStringLiteral("TmpDrive"), QStringLiteral("SellD1"), QStringLiteral("M"));
    start();
    window->values().discDrive = QStringLiteral("D");
  }
  QString quick(int index) const { return text(QStringLiteral("SellD(%1)").arg(index)); }
  QString stored(int index) const {
    return window->programSettings().value(QStringLiteral("TmpDrive"), QStringLiteral("SellD%1").arg(index),
                                           QStringLiteral("unset"));
  }
  void rightClick(int index) const {
    QWidget* button = get(QStringLiteral("SellD(%1)").arg(index));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &event);
  }
};
}  // namespace

class DrivePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void quickButtonChoosesTheDriveForThisRunOnly() {
    World w;
    const QByteArray ssc = quilmo::test::TempWorld::readFile(w.world.appFolder() + QStringLiteral("SSc.ini"));
    QCOMPARE((QStringList{w.quick(0), w.quick(1), w.quick(2), w.quick(3)}), (QStringList{"H", "M", "J", "K"}));
    w.click(QStringLiteral("DefDrive"));
    QVERIFY(w.visible(QStringLiteral("SellDPan")));
    w.click(QStringLiteral("SellD(1)"));
    QCOMPARE(w.window->values().discDrive, QStringLiteral("M"));
    QCOMPARE(w.text(QStringLiteral("DefDrive")), QStringLiteral("M"));
    QVERIFY(!w.visible(QStringLiteral("SellDPan")));
    QCOMPARE(quilmo::test::TempWorld::readFile(w.world.appFolder() + QStringLiteral("SSc.ini")), ssc);

    w.click(QStringLiteral("DefDrivePan"));
    QVERIFY(w.visible(QStringLiteral("SellDPan")));
    w.click(QStringLiteral("KlaaR"));
    QVERIFY(!w.visible(QStringLiteral("SellDPan")));
    QCOMPARE(w.window->values().discDrive, QStringLiteral("M"));
  }

  void rightClickTakesAndKeepsANewLetter() {
    World w;
    w.dialogs.inputs = {QStringLiteral("e:"), QStringLiteral("hello"), std::nullopt};
    w.rightClick(2);
    QCOMPARE(w.dialogs.prompts, QStringList{"Type the letter of the CD/DvD Drive and enter"});
    QCOMPARE(w.quick(2), QStringLiteral("E"));
    QCOMPARE(w.stored(2), QStringLiteral("E"));
    QCOMPARE(w.window->values().discDrive, QStringLiteral("E"));
    QCOMPARE(w.text(QStringLiteral("DefDrive")), QStringLiteral("E"));

    w.rightClick(3);  // not a letter: said, nothing changes
    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.stored(3), QStringLiteral("unset"));

    w.rightClick(0);  // cancelled: the button, the drive and the stored letter are emptied
    QCOMPARE(w.quick(0), QString());
    QCOMPARE(w.stored(0), QString());
    QCOMPARE(w.window->values().discDrive, QString());

    // The stored letters come back on the next start.
    w.window.reset();
    w.start();
    QCOMPARE(w.quick(0), QString());
    QCOMPARE(w.quick(2), QStringLiteral("E"));
    QCOMPARE(w.unanswered(), 0);
  }
};

QUILMO_PANEL_TEST(DrivePanelTest)
#include "DrivePanelTest.moc"
