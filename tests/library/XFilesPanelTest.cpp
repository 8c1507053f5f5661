// Update X-Files in the real window: Label4 opens the list of old catalogues, XCom acts.
// Which files are stripped and how is XFileUpdaterTest's.
#include <QListWidget>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using quilmo::test::WindowHarness;

class XFilesPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void onlyTheMarkedOldCataloguesAreStripped() {
    WindowHarness w;
    const QByteArray old = "header\r\n   one\r\nobsolete\r\n   two\r\nalso obsolete\r\n";
    w.writeData("Old.rtf", old);
    w.writeData("older.rtf", old);
    w.writeData("Current.rtf", "\"E:\\\",\"a.txt\"\r\n");
    w.start();
    w.click("Label4");
    QCOMPARE(w.entries("XFile"), (QStringList{"Old.rtf", "older.rtf"}));
    w.get<QListWidget>("XFile")->item(0)->setSelected(true);
    w.click("XCom(0)");
    QCOMPARE(w.dataFile("Old.rtf"), QByteArray("   one\r\n   two\r\n 5 \r\n"));
    QCOMPARE(w.dataFile("older.rtf"), old);
    QCOMPARE(w.text("LaB"), QString("Delete obsolute entries: 3 * Finished *"));

    // A refusal reaches the user.
    w.click("Label4");
    w.writeData("older.rtf", "\"E:\\\",\"a.txt\"\r\n");
    w.get<QListWidget>("XFile")->item(1)->setSelected(true);
    w.click("XCom(0)");
    QVERIFY(w.dialogs.messages.value(0).contains("older.rtf"));
    w.click("XCom(1)");
    QVERIFY(!w.visible("UpXFiles"));

    // With no old catalogue left the panel says so, and there is nothing to press.
    w.writeData("Old.rtf", "\"E:\\\",\"a.txt\"\r\n");
    w.click("Label4");
    QVERIFY(w.visible("XFileNote") && !w.visible("XFile"));
    QVERIFY(!w.get("XCom(0)")->isEnabled());
  }
};

QUILMO_PANEL_TEST(XFilesPanelTest)
#include "XFilesPanelTest.moc"
