// Find in the catalogue view of the real window: the find menu, "Find-F3" and "Find Next-F4".
#include <QComboBox>
#include <QAbstractButton>
#include <QtTest>

#include "widgets/CatalogueView.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {
// "kamera" at 6, 22 and 39, "gamma" at 33; the first lies beyond the word's length, so the wrap finds it.
const QString kCatalogue = QStringLiteral("alpha\nKamera one\nbeta kamera two\ngamma\nKAMERA three\n");

struct World : WindowHarness {
  World() {
    start();
    QApplication::setActiveWindow(window.get());
    window->view()->setText(kCatalogue);
  }
  CatalogueView* view() const { return window->view(); }
  QComboBox* FTex() const { return get<QComboBox>(QStringLiteral("FTex")); }
  qint64 caret() const { return window->values().viewCaret; }
  // As F3 and F4 press them: the focus stays where it is.
  void findNew(const std::optional<QString>& answer) {
    dialogs.inputs = {answer};
    get<QAbstractButton>(QStringLiteral("GCom(2)"))->click();
  }
  void findNext() const { get<QAbstractButton>(QStringLiteral("GCom(3)"))->click(); }
  bool findButtonsEnabled(bool enabled) const {
    for (const char* name : {"GCom(2)", "GCom(3)", "FCom(0)", "FCom(1)"})
      if (get(QString::fromLatin1(name))->isEnabled() != enabled) return false;
    return true;
  }
};
}  // namespace

class FindPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void enterOpensTheFindMenuOnlyOverALoadedCatalogue() {
    World w;
    w.view()->clear();
    w.FTex()->setEditText(QStringLiteral("kamera"));
    QTest::keyClick(w.FTex(), Qt::Key_Return);  // empty view: the global search instead
    QVERIFY(w.visible(QStringLiteral("DSoekPan")));
    QVERIFY(w.findButtonsEnabled(false));
    QVERIFY(!w.visible(QStringLiteral("FindMenuPan")));
    QCOMPARE(w.FTex()->count(), 0);  // the key was consumed, not added to the history
    w.get(QStringLiteral("DSoekPan"))->hide();

    w.view()->setText(kCatalogue);
    QTest::keyClick(w.FTex(), Qt::Key_Return);
    QVERIFY(w.findButtonsEnabled(true));
    QVERIFY(w.visible(QStringLiteral("FindMenuPan")));
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));
    QVERIFY(w.get(QStringLiteral("FCom(0)"))->hasFocus());

    w.dialogs.inputs = {QStringLiteral("gamma")};
    w.click(QStringLiteral("FCom(0)"));  // "Find-F3" from the menu
    QCOMPARE(w.caret(), 33);
    QVERIFY(!w.visible(QStringLiteral("FindMenuPan")));
    QVERIFY(w.view()->hasFocus());

    QTest::keyClick(w.FTex(), Qt::Key_Return);
    w.click(QStringLiteral("GCom(15)"));
    QVERIFY(!w.visible(QStringLiteral("FindMenuPan")));
    QTest::keyClick(w.FTex(), Qt::Key_Return);
    w.click(QStringLiteral("FCom(2)"));  // "Find Global"
    QVERIFY(!w.visible(QStringLiteral("FindMenuPan")));
    QVERIFY(w.visible(QStringLiteral("DSoekPan")));
    QCOMPARE(w.unanswered(), 0);
  }

  void findNextWrapsToTheTopAndCaseNeverMatters() {
    World w;
    w.FTex()->setEditText(QStringLiteral("the box text"));
    w.findNew(QStringLiteral("kAmErA"));
    QCOMPARE(w.dialogs.prompts, QStringList{"Type in the new word to search for:"});
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Find the box text"));
    QCOMPARE(w.caret(), 6);
    QCOMPARE(w.view()->selectedText(), QStringLiteral("Kamera"));

    w.msgAnswers = {Answer::Yes};  // OK on "Finished Searching..."
    QList<qint64> hits;
    for (int i = 0; i < 4; ++i) {
      w.findNext();
      hits += w.caret();
    }
    QCOMPARE(hits, (QList<qint64>{22, 39, -1, 6}));
    QCOMPARE(w.msgHeadings, QStringList{"Information..."});
    QCOMPARE(w.msgMessages, QStringList{"Finished Searching..."});

    // The next find starts after the whole hit, so an overlapping occurrence is passed over;
    // a pipe is looked for literally.
    w.view()->setText(QStringLiteral("abababab cat|dog"));
    w.findNew(QStringLiteral("abab"));
    w.findNext();
    QCOMPARE(w.caret(), 4);
    w.findNew(QStringLiteral("cat|dog"));
    QCOMPARE(w.caret(), 9);
    w.findNew(QStringLiteral("dog|cat"));  // absent: no message on a first find
    QCOMPARE(w.caret(), -1);
    QCOMPARE(w.msgHeadings.size(), 1);
    QCOMPARE(w.unanswered(), 0);
  }

  void withoutAWordOnlyTheViewTakesTheFocus() {
    World w;
    w.findNew(QStringLiteral("gamma"));
    w.FTex()->setFocus();
    w.findNew(std::nullopt);  // cancelled: the word is gone, the selection stays
    QCOMPARE(w.view()->selectedText(), QStringLiteral("gamma"));
    QCOMPARE(w.caret(), 33);
    QVERIFY(w.view()->hasFocus());

    w.FTex()->setFocus();
    w.findNext();  // no word and an empty box: nothing at all
    QVERIFY(w.FTex()->hasFocus());
    w.FTex()->setEditText(QStringLiteral("gamma"));
    w.findNext();
    QVERIFY(w.view()->hasFocus());
    QCOMPARE(w.caret(), 33);
    w.findNew(QStringLiteral("kamera"));  // from the last hit on
    QCOMPARE(w.caret(), 39);
    QVERIFY(w.msgHeadings.isEmpty());
  }

  void whereToStartIsAskedAfterAClickWhenNotAutomatic() {
    World w;
    w.window->values().autoMode = false;
    w.window->values().viewCaret = 0;  // at the top: unasked
    w.findNew(QStringLiteral("kamera"));
    QCOMPARE(w.caret(), 6);
    QVERIFY(w.msgHeadings.isEmpty());

    const auto clickAt = [&w](qint64 position) {
      w.view()->setCaretPosition(position);
      w.window->values().viewCaret = position;
    };
    w.msgAnswers = {Answer::No, Answer::Yes, Answer::Cancel};
    clickAt(25);
    w.findNew(QStringLiteral("kamera"));  // No: from the caret on
    QCOMPARE(w.caret(), 39);
    clickAt(25);
    w.findNew(QStringLiteral("kamera"));  // Yes: from the top
    QCOMPARE(w.caret(), 6);
    w.view()->select(22, 6);
    w.window->values().viewCaret = 22;
    w.findNew(QStringLiteral("gamma"));  // Cancel: nothing moves
    QCOMPARE(w.view()->selectedText(), QStringLiteral("kamera"));
    QCOMPARE(w.caret(), 22);
    QCOMPARE(w.msgHeadings, QStringList(3, QStringLiteral("Where to start searching")));

    w.window->values().autoMode = true;  // automatic: from the caret, unasked
    clickAt(25);
    w.findNew(QStringLiteral("kamera"));
    QCOMPARE(w.caret(), 39);
    QCOMPARE(w.msgHeadings.size(), 3);
    QCOMPARE(w.unanswered(), 0);
  }
};

QUILMO_PANEL_TEST(FindPanelTest)
#include "FindPanelTest.moc"
