// The label Sundra starts the split companion with the catalogue and the disc, and the
// status line says when the companion has finished.
#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "search/panels/SplitLauncher.h"
#include "support/PanelTests.h"
#include "support/Recorder.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

class SplitLauncherTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void startsTheCompanionOrSaysWhatIsMissing() {
    WindowHarness w;
    w.writeData(QStringLiteral("Holiday 2019 .rtf"), "\"E:\\\",\"a.txt\"\r\n\"E:\\\",\"b.jpg\"\r\n\"E:\\\",\"c.txt\"\r\n");
    w.start();
    auto* launcher = w.window->findChild<panels::SplitLauncher*>();
    launcher->programFolder = w.world.folder(QStringLiteral("bin")).chopped(1);
    const QString record = w.world.root() + QStringLiteral("sundra-args.txt");
    QSignalSpy finished(launcher, &panels::SplitLauncher::finished);
    const auto launch = [&w](const char* disc) {
      w.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QString::fromLatin1(disc));
      w.click(QStringLiteral("Sundra"));
    };
    launch("Holiday 2019 ");  // no sundra beside the program
    QVERIFY(w.dialogs.messages.value(0).contains(QStringLiteral("sundra")));

    test::writeRecorder(launcher->programFolder + QStringLiteral("/sundra"), record);
    launch("Never catalogued");  // said, and nothing started: the record holds only the next start
    launch("  ");
    launch("Holiday 2019 ");
    QCOMPARE(test::waitForRecord(record), w.data(QStringLiteral("Holiday 2019 .rtf,Holiday 2019\n")).toUtf8());
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QCOMPARE(w.dialogs.messages.size(), 3);

    // The real companion: the status line counts the type files the disc now has.
    QVERIFY(QFile::remove(launcher->programFolder + QStringLiteral("/sundra")));
    QVERIFY(QFile::link(QStringLiteral(SUNDRA_PROGRAM), launcher->programFolder + QStringLiteral("/sundra")));
    launch("Holiday 2019 ");
    QVERIFY(w.text(QStringLiteral("LaB")).startsWith(QStringLiteral("Splitting Holiday 2019")));
    launch("Holiday 2019 ");  // a second split waits for the first
    QVERIFY(w.dialogs.messages.value(3).contains(QStringLiteral("still running")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 20000);
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("The split of Holiday 2019 has finished: 2 type file(s) in Split-9."));
  }
};

QUILMO_PANEL_TEST(SplitLauncherTest)
#include "SplitLauncherTest.moc"
