// Loading a disc picked from TeX, into the view or the companion viewer.
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QtTest>
#include <memory>

#include "controls/CatalogueView.h"
#include "library/DiscListBox.h"
#include "library/DiscListFile.h"
#include "library/DiscLoadPanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kNo = 7;
const QString kMissing = QStringLiteral("ERROR: Maybe interrupted before; empty; not existing.   -  Enter to create");
const QString kInUse = QStringLiteral("ERROR: File in use!!. Type another!");
}  // namespace

class DiscLoadPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::DiscLoadPanel* panel = nullptr;

  QString data(const QString& name) const { return world->dataPath() + name; }
  QComboBox* tex() { return window->get<QComboBox>(QStringLiteral("TeX")); }
  CatalogueView* view() { return window->get<CatalogueView>(QStringLiteral("RtB")); }
  QLabel* label(const char* name) { return window->get<QLabel>(QString::fromLatin1(name)); }
  QColor colour(const char* name, QPalette::ColorRole role) { return label(name)->palette().color(role); }
  QString caption() { return window->window()->windowTitle(); }

  // The user picks the disc from the drop-down.
  void pick(const QString& name) {
    const int index = tex()->findText(name);
    QVERIFY(index >= 0);
    tex()->setCurrentIndex(index);
    Q_EMIT tex()->activated(index);
  }

  void expectFailure(const QString& text) {
    QCOMPARE(label("LaB")->text(), text);
    QCOMPARE(colour("LaB", QPalette::Window), QColor(128, 0, 0));
    QCOMPARE(colour("LaB", QPalette::WindowText), QColor(0, 255, 255));
    QVERIFY(!window->get<QWidget>(QStringLiteral("Wag"))->isVisible());
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    world->writeFile(data(QStringLiteral("QM.tex")), "Alpha\r\nBig\r\nEmpty\r\nGone\r\nLocked\r\n");
    world->writeFile(data(QStringLiteral("Alpha.rtf")), "\"E:\\\",\"a.txt\"\r\n\"E:\\\",\"b.txt\"\r\n2 files :  folders\r\n");
    QByteArray big;
    for (int i = 0; i < 1233; ++i) big += "\"E:\\\",\"f" + QByteArray::number(i) + ".txt\"\r\n";
    world->writeFile(data(QStringLiteral("big.RTF")), big + "1,233 files :  folders\r\n");
    world->writeFile(data(QStringLiteral("Empty.rtf")), "");
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->discSettings().setValue(QStringLiteral("Alpha"), QStringLiteral("Size"), QStringLiteral("700 MB"));
    panels::refillSorted(*tex(), library::readDiscList(world->dataPath()));
    panel = panels::attachDiscLoad(*window);
  }

  void cleanup() {
    const int unanswered = window->msgUnanswered + window->scripted.unanswered;
    window.reset();
    world.reset();
    QCOMPARE(unanswered, 0);
  }

  void loadIntoTheViewShowsTheStoredSize() {
    window->quilmoCap(QStringLiteral("before"));
    window->scripted.answers = {Answer::Yes};
    pick(QStringLiteral("Alpha"));
    QCOMPARE(window->scripted.questions, QStringList{"Where to open disc"});
    QCOMPARE(view()->lineCount(), 3);
    QCOMPARE(view()->caretPosition(), 0);
    QCOMPARE(label("DTel")->text(), QStringLiteral("700 MB"));
    QCOMPARE(colour("Label4", QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(caption(), QStringLiteral("Quilmo [Alpha.rtf ]"));
    QCOMPARE(window->statuses, (QStringList{"Loading Info", "Finished Loading"}));
    QCOMPARE(colour("LaB", QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(window->statusColourRestored, 1);
    QVERIFY(!window->get<QWidget>(QStringLiteral("Wag"))->isVisible());
    QVERIFY(!window->get<QListWidget>(QStringLiteral("File1"))->isEnabled());
  }

  void withoutASizeTheLinesAreCounted() {
    window->scripted.answers = {Answer::Yes};
    pick(QStringLiteral("Big"));  // its catalogue is spelt big.RTF
    QCOMPARE(label("DTel")->text(), QStringLiteral("*1,234"));
    QCOMPARE(colour("Label4", QPalette::Window), QColor(255, 192, 192));
  }

  void noToOpenDiscKeepsTheViewAsItWas() {
    window->values().autoMode = false;
    view()->setText(QStringLiteral("previous"));
    window->msgAnswers = {kNo};
    pick(QStringLiteral("Alpha"));
    QCOMPARE(window->msgHeadings, QStringList{"Open Disc to Load"});
    QCOMPARE(window->msgMessages[0], QStringLiteral("You are about to open:\n\nAlpha\n\nDo you want to continue?"));
    QCOMPARE(view()->text(), QStringLiteral("previous"));
    QCOMPARE(label("LaB")->text(), QStringLiteral("Loading Info"));
    QVERIFY(window->scripted.questions.isEmpty());
  }

  void missingEmptyAndLockedCataloguesFail() {
    // Unreadable even for the super-user, who may read a file without rights.
    const QString locked = data(QStringLiteral("Locked.rtf"));
    world->writeFile(locked, "x\r\n");
    QFile::setPermissions(locked, {});
    if (QFile probe(locked); probe.open(QIODevice::ReadOnly)) {
      QFile::remove(locked);
      QFile::link(QStringLiteral("/proc/sys/vm/drop_caches"), locked);
    }
    const bool lockable = QFileInfo(locked).isFile() && !QFile(locked).open(QIODevice::ReadOnly);
    const QStringList before = QDir(world->dataPath()).entryList(QDir::Files);
    window->quilmoCap(QStringLiteral("Alpha.rtf"));
    for (const char* disc : {"Gone", "Empty"}) {
      view()->setText(QStringLiteral("previous"));
      pick(QString::fromLatin1(disc));
      expectFailure(kMissing);
      QVERIFY(view()->isEmpty());
    }
    tex()->setEditText(QStringLiteral("../data/Alpha"));  // not a disc name, though a file
    panel->load();
    expectFailure(kMissing);
    QCOMPARE(caption(), QStringLiteral("Quilmo [Alpha.rtf ]"));
    QVERIFY(window->scripted.questions.isEmpty());
    QCOMPARE(QDir(world->dataPath()).entryList(QDir::Files), before);

    if (!lockable) QSKIP("No file here is unreadable to this user");
    pick(QStringLiteral("Locked"));
    expectFailure(kInUse);
    QCOMPARE(caption(), QStringLiteral("Quilmo [Alpha.rtf ]"));
    QVERIFY(window->scripted.questions.isEmpty());
  }

  void openingInTheViewerStartsItWithTheCataloguePath() {
    const QString record = world->root() + QStringLiteral("viewer-args");
    const QString stub = world->root() + QStringLiteral("lornex");
    world->writeFile(stub, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"" + record.toUtf8() + ".tmp\"\nmv \"" +
                               record.toUtf8() + ".tmp\" \"" + record.toUtf8() + "\"\n");
    QFile::setPermissions(stub, QFile::ReadOwner | QFile::ExeOwner);
    panel->viewer = stub;
    window->scripted.answers = {Answer::No};
    pick(QStringLiteral("Big"));
    QTRY_VERIFY(QFile::exists(record));
    QCOMPARE(TempWorld::readFile(record), "1\n" + QDir::toNativeSeparators(data(QStringLiteral("big.RTF"))).toUtf8() + "\n");
    QVERIFY(view()->isEmpty());
    QCOMPARE(label("DTel")->text(), QStringLiteral("*1"));
    QCOMPARE(caption(), QStringLiteral("Quilmo [Big.rtf ]"));
    QCOMPARE(label("LaB")->text(), QStringLiteral("Finished Loading"));

    panel->viewer = world->root() + QStringLiteral("no-such-viewer");
    window->scripted.answers = {Answer::No};
    pick(QStringLiteral("Alpha"));
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].contains(QStringLiteral("no-such-viewer")));
    expectFailure(kMissing);
  }

  // After a disc is created its name stays in the edit line, and the user goes on to the
  // search box or the view: leaving the box must not load that disc. Picking it still does.
  void leavingTheNameBoxLoadsNothing() {
    QWidget* root = window->window();
    root->show();
    root->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(root));
    tex()->setFocus();
    tex()->setEditText(QStringLiteral("Alpha"));
    view()->setFocus();
    QTRY_VERIFY(view()->hasFocus());
    QVERIFY(window->scripted.questions.isEmpty());
    QVERIFY(window->statuses.isEmpty());

    window->scripted.answers = {Answer::Yes};
    tex()->setFocus();
    QTRY_VERIFY(tex()->hasFocus());
    QTest::keyClick(tex(), Qt::Key_Down);  // the arrow keys pick entries: the first one here
    QCOMPARE(tex()->currentIndex(), 0);
    QCOMPARE(window->scripted.questions, QStringList{"Where to open disc"});
    QCOMPARE(caption(), QStringLiteral("Quilmo [Alpha.rtf ]"));
  }

  void hints() {
    QPointF at(2, 2);
    QEnterEvent enter(at, at, at);
    QApplication::sendEvent(label("TeXBack"), &enter);
    QCOMPARE(window->hint, QStringLiteral("Type the name of the disc to get data from and enter."));
    QApplication::sendEvent(label("DTel"), &enter);
    QCOMPARE(window->hint, QStringLiteral("How many discs are in the list?"));
  }
};

QTEST_MAIN(DiscLoadPanelTest)
#include "DiscLoadPanelTest.moc"
