// The label Sundra starts the split companion with the catalogue and the disc.
#include <QComboBox>
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
    w.writeData(QStringLiteral("Holiday 2019 .rtf"), "\"E:\\\",\"a.txt\"\r\n");
    w.start();
    auto* launcher = w.window->findChild<panels::SplitLauncher*>();
    launcher->programFolder = w.world.folder(QStringLiteral("bin")).chopped(1);
    const QString record = w.world.root() + QStringLiteral("sundra-args.txt");
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
    QCOMPARE(w.dialogs.messages.size(), 3);
  }
};

QUILMO_PANEL_TEST(SplitLauncherTest)
#include "SplitLauncherTest.moc"
