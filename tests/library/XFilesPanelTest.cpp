// Update X-Files, driven through Label4, XFile and XCom.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "library/XFilesPanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
const QByteArray kOldLayout = "header\r\n   one\r\nobsolete\r\n   two\r\nalso obsolete\r\n";
const QByteArray kCurrentLayout = "\"E:\\\",\"a.txt\"\r\n\"E:\\DOCS\\\",\"b.txt\"\r\n";
}  // namespace

class XFilesPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;

  QString data(const QString& name) const { return world->dataPath() + name; }
  QListWidget* xFile() { return window->get<QListWidget>(QStringLiteral("XFile")); }
  QWidget* frame() { return window->get<QWidget>(QStringLiteral("UpXFiles")); }
  void press(int index) { QTest::mouseClick(window->get<QPushButton>(QStringLiteral("XCom(%1)").arg(index)), Qt::LeftButton); }
  void openFrame() { QTest::mouseClick(window->get<QLabel>(QStringLiteral("Label4")), Qt::LeftButton); }
  void mark(const QString& name) { xFile()->findItems(name, Qt::MatchExactly).value(0)->setSelected(true); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    world->writeFile(data(QStringLiteral("Old.rtf")), kOldLayout);
    world->writeFile(data(QStringLiteral("older.rtf")), kOldLayout);
    world->writeFile(data(QStringLiteral("Current.rtf")), kCurrentLayout);
    world->writeFile(data(QStringLiteral("QM.tex")), "Current\r\n");
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    panels::attachXFiles(*window);
  }

  void cleanup() {
    window.reset();
    world.reset();
  }

  void labelOpensTheFrameWithOldCataloguesOnly() {
    QVERIFY(!frame()->isVisible());
    openFrame();
    QVERIFY(frame()->isVisible());
    QCOMPARE(xFile()->count(), 2);
    QCOMPARE(xFile()->item(0)->text(), QStringLiteral("Old.rtf"));
    QCOMPARE(xFile()->item(1)->text(), QStringLiteral("older.rtf"));
    press(1);
    QVERIFY(!frame()->isVisible());
  }

  void goStripsTheMarkedFilesOnly() {
    openFrame();
    mark(QStringLiteral("Old.rtf"));
    press(0);
    QCOMPARE(TempWorld::readFile(data(QStringLiteral("Old.rtf"))), QByteArray("   one\r\n   two\r\n 5 \r\n"));
    QCOMPARE(TempWorld::readFile(data(QStringLiteral("older.rtf"))), kOldLayout);
    QCOMPARE(window->statuses,
             (QStringList{"Delete obsolute entries: [5] Old", "Delete obsolute entries: 3 * Finished *"}));
    QVERIFY(window->scripted.messages.isEmpty());
  }

  void aCurrentCataloguePickedIsRefusedAndKept() {
    openFrame();
    // The file became a catalogue of the current layout after the list was shown.
    world->writeFile(data(QStringLiteral("older.rtf")), kCurrentLayout);
    mark(QStringLiteral("older.rtf"));
    press(0);
    QCOMPARE(TempWorld::readFile(data(QStringLiteral("older.rtf"))), kCurrentLayout);
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].contains(QStringLiteral("older.rtf")));
    QCOMPARE(window->statuses.last(), QStringLiteral("Delete obsolute entries: 0 * Finished *"));
  }
};

QTEST_MAIN(XFilesPanelTest)
#include "XFilesPanelTest.moc"
