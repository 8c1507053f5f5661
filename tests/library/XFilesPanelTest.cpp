// Update X-Files in the real window: Label4 opens the list of old catalogues, XCom acts.
#include <QListWidget>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {
const QByteArray kOldLayout = "header\r\n   one\r\nobsolete\r\n   two\r\nalso obsolete\r\n";
const QByteArray kCurrentLayout = "\"E:\\\",\"a.txt\"\r\n\"E:\\DOCS\\\",\"b.txt\"\r\n";
}  // namespace

class XFilesPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void onlyTheMarkedOldCataloguesAreStripped() {
    WindowHarness w;
    w.writeData(QStringLiteral("Old.rtf"), kOldLayout);
    w.writeData(QStringLiteral("older.rtf"), kOldLayout);
    w.writeData(QStringLiteral("Current.rtf"), kCurrentLayout);
    w.writeData(QStringLiteral("QM.tex"), "Current\r\n");
    w.start();
    auto* XFile = w.get<QListWidget>(QStringLiteral("XFile"));
    const auto mark = [XFile](const char* name) {
      XFile->findItems(QString::fromLatin1(name), Qt::MatchExactly).value(0)->setSelected(true);
    };
    QVERIFY(!w.visible(QStringLiteral("UpXFiles")));
    w.click(QStringLiteral("Label4"));
    QVERIFY(w.visible(QStringLiteral("UpXFiles")));
    QCOMPARE(w.entries(QStringLiteral("XFile")), (QStringList{"Old.rtf", "older.rtf"}));
    mark("Old.rtf");
    w.click(QStringLiteral("XCom(0)"));
    QCOMPARE(w.dataFile(QStringLiteral("Old.rtf")), QByteArray("   one\r\n   two\r\n 5 \r\n"));
    QCOMPARE(w.dataFile(QStringLiteral("older.rtf")), kOldLayout);
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Delete obsolute entries: 3 * Finished *"));
    QVERIFY(w.dialogs.messages.isEmpty());

    // A file that became a current catalogue after the list was shown is refused and kept.
    w.click(QStringLiteral("Label4"));
    w.writeData(QStringLiteral("older.rtf"), kCurrentLayout);
    mark("older.rtf");
    w.click(QStringLiteral("XCom(0)"));
    QCOMPARE(w.dataFile(QStringLiteral("older.rtf")), kCurrentLayout);
    QCOMPARE(w.dialogs.messages.size(), 1);
    QVERIFY(w.dialogs.messages[0].contains(QStringLiteral("older.rtf")));
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Delete obsolute entries: 0 * Finished *"));
    w.click(QStringLiteral("XCom(1)"));
    QVERIFY(!w.visible(QStringLiteral("UpXFiles")));
  }
};

QUILMO_PANEL_TEST(XFilesPanelTest)
#include "XFilesPanelTest.moc"
