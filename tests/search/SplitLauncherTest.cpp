// The label Sundra starts the split companion with the catalogue and the disc.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "search/SplitLauncher.h"
#include "support/FakeWindow.h"
#include "support/Recorder.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

class SplitLauncherTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::SplitLauncher* launcher = nullptr;
  QString record;

  void clickLabel() { QTest::mouseClick(window->get<QLabel>(QStringLiteral("Sundra")), Qt::LeftButton); }
  void chooseDisc(const QString& text) { window->get<QComboBox>(QStringLiteral("TeX"))->setEditText(text); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    launcher = panels::attachSplitLauncher(*window);
    launcher->programFolder = world->folder(QStringLiteral("bin")).chopped(1);
    record = world->root() + QStringLiteral("sundra-args.txt");
    world->writeFile(world->dataPath() + QStringLiteral("Holiday 2019 .rtf"), "\"E:\\\",\"a.txt\"\r\n");
  }

  void cleanup() {
    window.reset();
    world.reset();
  }

  void startsTheCompanionWithOneArgument() {
    test::writeRecorder(launcher->programFolder + QStringLiteral("/sundra"), record);
    chooseDisc(QStringLiteral("Holiday 2019 "));
    clickLabel();
    QCOMPARE(test::waitForRecord(record),
             (world->dataPath() + QStringLiteral("Holiday 2019 .rtf,Holiday 2019\n")).toUtf8());
    QVERIFY(window->scripted.messages.isEmpty());
    QCOMPARE(window->get<QLabel>(QStringLiteral("Sundra"))->toolTip(), QStringLiteral("Split current disc in seperate files"));
  }

  void aMissingCompanionOrCatalogueIsSaid() {
    chooseDisc(QStringLiteral("Holiday 2019 "));
    clickLabel();  // no sundra beside the program
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].contains(QStringLiteral("sundra")));

    test::writeRecorder(launcher->programFolder + QStringLiteral("/sundra"), record);
    chooseDisc(QStringLiteral("Never catalogued"));
    clickLabel();
    chooseDisc(QStringLiteral("  "));
    clickLabel();
    QCOMPARE(window->scripted.messages.size(), 3);
    QTest::qWait(200);
    QVERIFY(!QFile::exists(record));
  }
};

QTEST_MAIN(SplitLauncherTest)
#include "SplitLauncherTest.moc"
