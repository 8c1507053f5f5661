// Find in the catalogue view of the real window: the find menu, "Find-F3" and "Find Next-F4".
#include <QAbstractButton>
#include <QComboBox>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

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
  qint64 caret() const { return window->values().viewCaret; }
  // As F3 and F4 press them: the focus stays where it is.
  void findNew(const std::optional<QString>& answer) {
    dialogs.inputs = {answer};
    get<QAbstractButton>(QStringLiteral("GCom(2)"))->click();
  }
  void findNext() const { get<QAbstractButton>(QStringLiteral("GCom(3)"))->click(); }
};
}  // namespace

class FindPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void enterOpensTheFindMenuOnlyOverALoadedCatalogue() {
    World w;
    auto* FTex = w.get<QComboBox>(QStringLiteral("FTex"));
    w.view()->clear();
    FTex->setEditText(QStringLiteral("kamera"));
    QTest::keyClick(FTex, Qt::Key_Return);  // empty view: the global search instead
    QVERIFY(w.visible(QStringLiteral("DSoekPan")));
    QVERIFY(!w.get(QStringLiteral("FCom(1)"))->isEnabled());
    QCOMPARE(FTex->count(), 0);  // the key was consumed, not added to the history
    w.view()->setText(kCatalogue);
    QTest::keyClick(FTex, Qt::Key_Return);
    QVERIFY(w.get(QStringLiteral("FCom(0)"))->hasFocus());
    w.dialogs.inputs = {QStringLiteral("gamma")};
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // F2, words, Enter, Enter: "Find-F3"
    QCOMPARE(w.caret(), 33);
    QVERIFY(!w.visible(QStringLiteral("FindMenuPan")));
    QVERIFY(w.view()->hasFocus());
  }

  void findNextWrapsToTheTopPastAWholeHit() {
    World w;
    auto* FTex = w.get<QComboBox>(QStringLiteral("FTex"));
    FTex->setFocus();
    w.findNext();  // no word and an empty box: nothing at all
    QVERIFY(FTex->hasFocus());
    FTex->setEditText(QStringLiteral("the box text"));
    w.findNew(QStringLiteral("kAmErA"));
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Find the box text"));
    QCOMPARE(w.view()->selectedText(), QStringLiteral("Kamera"));
    w.msgAnswers = {Answer::Yes};  // OK on "Finished Searching..."
    QList<qint64> hits;
    for (int i = 0; i < 4; ++i) {
      w.findNext();
      hits += w.caret();
    }
    QCOMPARE(hits, (QList<qint64>{22, 39, -1, 6}));
    QCOMPARE(w.msgMessages, QStringList{"Finished Searching..."});
    // The next find starts after the whole hit, so an overlapping occurrence is passed over.
    w.view()->setText(QStringLiteral("abababab"));
    w.findNew(QStringLiteral("abab"));
    w.findNext();
    QCOMPARE(w.caret(), 4);
  }

  void whereToStartIsAskedAfterAClickWhenNotAutomatic() {
    World w;
    w.window->values().autoMode = false;
    w.msgAnswers = {Answer::No, Answer::Yes, Answer::Cancel};
    QList<qint64> found;
    for (const qint64 clicked : {0, 25, 25, 25, 25}) {  // the top: unasked; then No, Yes, Cancel; automatic
      if (found.size() == 4) w.window->values().autoMode = true;
      w.view()->setCaretPosition(clicked);
      w.window->values().viewCaret = clicked;
      w.findNew(QStringLiteral("kamera"));
      found += w.caret();
    }
    QCOMPARE(found, (QList<qint64>{6, 39, 6, 25, 39}));
    QCOMPARE(w.msgHeadings, QStringList(3, QStringLiteral("Where to start searching")));
  }
};

QUILMO_PANEL_TEST(FindPanelTest)
#include "FindPanelTest.moc"
