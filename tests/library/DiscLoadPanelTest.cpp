// Loading a disc picked in TeX into the real window's view, or into the companion viewer.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "library/DiscLoadPanel.h"
#include "support/PanelTests.h"
#include "support/Recorder.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;

namespace {
const QString kMissing = "ERROR: Maybe interrupted before; empty; not existing.   -  Enter to create";

struct World : test::WindowHarness {
  World() {
    writeData("QM.tex", "Alpha\r\nBig\r\nEmpty\r\nGone\r\nLocked\r\n");
    writeData("Alpha.rtf", "\"E:\\\",\"a.txt\"\r\n\"E:\\\",\"b.txt\"\r\n2 files :  folders\r\n");
    writeData("big.RTF", QByteArray("\"E:\\\",\"f.txt\"\r\n").repeated(1233) + "1,233 files :  folders\r\n");
    writeData("Empty.rtf", "");
    start();
    window->discSettings().setValue("Alpha", "Size", "700 MB");
  }
  // The user picks the disc from the drop-down.
  void pick(const char* name) const {
    auto* TeX = get<QComboBox>("TeX");
    TeX->setCurrentIndex(TeX->findText(name));
    Q_EMIT TeX->activated(TeX->currentIndex());
  }
  QColor back(const char* name) const { return get(name)->palette().color(QPalette::Window); }
  void expectFailure(const QString& status) const {
    QCOMPARE(text("LaB"), status);
    QCOMPARE(back("LaB"), QColor(128, 0, 0));
    QVERIFY(!visible("Wag"));
  }
};
}  // namespace

class DiscLoadPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void loadIntoTheViewShowsTheSizeOrTheLineCount() {
    World w;
    w.dialogs.answers = {Answer::Yes, Answer::Yes};
    w.pick("Alpha");
    QCOMPARE(w.window->view()->lineCount(), 3);
    QCOMPARE(w.text("DTel"), QString("700 MB"));
    QCOMPARE(w.back("Label4"), QColor(0, 255, 0));
    QCOMPARE(w.window->windowTitle(), QString("Quilmo [Alpha.rtf ]"));
    QCOMPARE(w.text("LaB"), QString("Finished Loading"));

    w.pick("Big");  // no size on record, and its catalogue is spelt big.RTF
    QCOMPARE(w.text("DTel"), QString("*1,234"));
    QCOMPARE(w.back("Label4"), QColor(255, 192, 192));

    // Outside auto mode the user is asked first; No keeps the view as it was.
    w.window->values().autoMode = false;
    w.msgAnswers = {Answer::No};
    w.pick("Alpha");
    QCOMPARE(w.msgMessages, QStringList{"You are about to open:\n\nAlpha\n\nDo you want to continue?"});
    QCOMPARE(w.window->view()->lineCount(), 1234);
    QCOMPARE(w.unanswered(), 0);
  }

  void missingEmptyAndLockedCataloguesFail() {
    World w;
    // Unreadable even for the super-user, who may read a file without rights.
    const QString locked = w.data("Locked.rtf");
    w.writeData("Locked.rtf", "x\r\n");
    QFile::setPermissions(locked, {});
    if (QFile(locked).open(QIODevice::ReadOnly)) {
      QFile::remove(locked);
      QFile::link("/proc/sys/vm/drop_caches", locked);
    }
    for (const char* disc : {"Gone", "Empty"}) {
      w.window->view()->setText("previous");
      w.pick(disc);
      w.expectFailure(kMissing);
      QVERIFY(w.window->view()->isEmpty());
    }
    w.get<QComboBox>("TeX")->setEditText("../data/Alpha");  // a file, not a disc
    w.window->findChild<panels::DiscLoadPanel*>()->load();
    w.expectFailure(kMissing);
    QVERIFY(w.dialogs.questions.isEmpty());  // nothing there: not asked where to open it

    if (!QFileInfo(locked).isFile() || QFile(locked).open(QIODevice::ReadOnly))
      QSKIP("No file here is unreadable to this user");
    w.pick("Locked");
    w.expectFailure("ERROR: File in use!!. Type another!");
  }

  void openingInTheViewerStartsItWithTheCataloguePathAndEscapeOpensNothing() {
    World w;
    const QString record = w.world.root() + "viewer-args";
    auto* panel = w.window->findChild<panels::DiscLoadPanel*>();
    panel->viewer = test::writeRecorder(w.world.root() + "lornex", record);

    // Escape on Qt's own question box opens neither in the view (Yes) nor in the viewer (No).
    w.window->setDialogs(nullptr);
    w.whenShown("Where to open disc", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    w.pick("Alpha");
    QCOMPARE(w.window->windowTitle(), QString("Quilmo 2016 []"));
    QCOMPARE(w.text("LaB"), QString("Nothing was opened."));
    QVERIFY(!w.visible("Wag"));
    w.window->setDialogs(&w.dialogs);
    w.dialogs.answers = {Answer::No, Answer::No};
    w.pick("Big");
    QCOMPARE(test::waitForRecord(record), QDir::toNativeSeparators(w.data("big.RTF")).toUtf8() + "\n");
    QCOMPARE(w.window->windowTitle(), QString("Quilmo [Big.rtf ]"));

    panel->viewer = w.world.root() + "no-such-viewer";
    w.pick("Alpha");
    QVERIFY(w.dialogs.messages.value(0).contains("no-such-viewer"));
    w.expectFailure(kMissing);
  }

  // After a disc is created its name stays in the edit line, and the user goes on to the
  // search box or the view: leaving the box must not load that disc.
  void leavingTheNameBoxLoadsNothing() {
    World w;
    auto* TeX = w.get<QComboBox>("TeX");
    w.window->show();
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    TeX->setFocus();
    TeX->setEditText("Alpha");
    w.window->view()->setFocus();
    QTRY_VERIFY(w.window->view()->hasFocus());
    QVERIFY(w.text("LaB").isEmpty());
    QCOMPARE(w.unanswered(), 0);
  }
};

QUILMO_PANEL_TEST(DiscLoadPanelTest)
#include "DiscLoadPanelTest.moc"
