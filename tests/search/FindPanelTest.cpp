// Find in the catalogue view: the find menu, "Find-F3", "Find Next-F4" and the help panel.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "controls/CatalogueView.h"
#include "search/FindPanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6, kNo = 7, kCancel = 2;
// "kamera" at 6, 22 and 39, "gamma" at 33; the first lies beyond the word's length, so the wrap finds it.
const QString kCatalogue = QStringLiteral("alpha\nKamera one\nbeta kamera two\ngamma\nKAMERA three\n");
}  // namespace

class FindPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::FindPanel* panel = nullptr;
  int globalSearches = 0;

  QPushButton* button(const QString& name) { return window->get<QPushButton>(name); }
  CatalogueView* view() { return window->get<CatalogueView>(QStringLiteral("RtB")); }
  QComboBox* searchWords() { return window->get<QComboBox>(QStringLiteral("FTex")); }
  QWidget* menu() { return window->get<QWidget>(QStringLiteral("FindMenuPan")); }
  qint64 viewCaret() { return window->values().viewCaret; }
  void pressEnterInSearchWords() { QTest::keyClick(searchWords(), Qt::Key_Return); }
  void findNew(const std::optional<QString>& answer) {
    window->scripted.inputs = {answer};
    button(QStringLiteral("GCom(2)"))->click();
  }
  void findNext() { button(QStringLiteral("GCom(3)"))->click(); }
  bool findButtonsEnabled(bool enabled) {
    for (const char* name : {"GCom(2)", "GCom(3)", "FCom(0)", "FCom(1)"})
      if (button(QString::fromLatin1(name))->isEnabled() != enabled) return false;
    return true;
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    panel = panels::attachFind(*window);
    globalSearches = 0;
    panel->findGlobal = [this] { ++globalSearches; };
    // The window's GCom handler: LaB's colour first, then the action of the index.
    const std::pair<int, void (panels::FindPanel::*)()> routes[] = {
        {1, &panels::FindPanel::toggleHelp},
        {2, &panels::FindPanel::findNew},
        {3, &panels::FindPanel::findNext},
        {15, &panels::FindPanel::closeMenu}};
    for (const auto& [index, action] : routes)
      connect(button(QStringLiteral("GCom(%1)").arg(index)), &QPushButton::clicked, panel, [this, action] {
        window->restoreStatusColour();
        (panel->*action)();
      });
    window->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
  }

  void cleanup() {
    QCOMPARE(window->scripted.unanswered, 0);
    QCOMPARE(window->msgUnanswered, 0);
    window.reset();
    world.reset();
  }

  void enterOpensTheFindMenuOnlyOverALoadedCatalogue() {
    searchWords()->setEditText(QStringLiteral("kamera"));
    pressEnterInSearchWords();  // empty view: the global search instead
    QCOMPARE(globalSearches, 1);
    QVERIFY(findButtonsEnabled(false));
    QVERIFY(menu()->isHidden());
    QCOMPARE(searchWords()->count(), 0);  // the key was consumed, not added to the history

    view()->setText(kCatalogue);
    pressEnterInSearchWords();
    QCOMPARE(globalSearches, 1);
    QVERIFY(findButtonsEnabled(true));
    QVERIFY(menu()->isVisible());
    QVERIFY(button(QStringLiteral("FCom(0)"))->hasFocus());

    QTest::mouseClick(button(QStringLiteral("FCom(2)")), Qt::LeftButton);
    QCOMPARE(globalSearches, 2);
    QVERIFY(menu()->isHidden());

    pressEnterInSearchWords();
    window->scripted.inputs = {QStringLiteral("gamma")};
    QTest::mouseClick(button(QStringLiteral("FCom(0)")), Qt::LeftButton);  // "Find-F3" from the menu
    QCOMPARE(viewCaret(), 33);
    QVERIFY(menu()->isHidden());
    QVERIFY(view()->hasFocus());

    pressEnterInSearchWords();
    button(QStringLiteral("GCom(15)"))->click();
    QVERIFY(menu()->isHidden());
    QCOMPARE(window->statusColourRestored, 4);  // each FCom click, as GCom's own would
  }

  void findNextWrapsToTheTopAndCaseNeverMatters() {
    view()->setText(kCatalogue);
    searchWords()->setEditText(QStringLiteral("the box text"));
    findNew(QStringLiteral("kAmErA"));
    QCOMPARE(window->scripted.prompts, QStringList{"Type in the new word to search for:"});
    QCOMPARE(window->statuses.last(), QStringLiteral("Find the box text"));
    QCOMPARE(viewCaret(), 6);
    QCOMPARE(view()->selectedText(), QStringLiteral("Kamera"));
    QVERIFY(view()->hasFocus());

    window->msgAnswers = {kYes};  // OK on "Finished Searching..."
    QList<qint64> hits;
    for (int i = 0; i < 4; ++i) {
      findNext();
      hits += viewCaret();
    }
    QCOMPARE(hits, (QList<qint64>{22, 39, -1, 6}));
    QCOMPARE(window->msgHeadings, QStringList{"Information..."});
    QCOMPARE(window->msgMessages, QStringList{"Finished Searching..."});
    QCOMPARE(searchWords()->property("tag").toString(), QStringLiteral("6"));
    QCOMPARE(window->values().findStart, 6);

    // The next find starts after the whole hit, so an overlapping occurrence is passed over.
    view()->setText(QStringLiteral("abababab"));
    findNew(QStringLiteral("abab"));
    findNext();
    QCOMPARE(viewCaret(), 4);
  }

  void aPipeIsLookedForLiterally() {
    view()->setText(QStringLiteral("a cat\nthe dog\ncat|dog here\n"));
    findNew(QStringLiteral("cat|dog"));
    QCOMPARE(viewCaret(), 14);
    findNew(QStringLiteral("dog|cat"));  // absent: no message on a first find
    QCOMPARE(viewCaret(), -1);
    QCOMPARE(view()->selectedText(), QStringLiteral("cat|dog"));
    QVERIFY(window->msgHeadings.isEmpty());
  }

  void withoutAWordOnlyTheViewTakesTheFocus() {
    view()->setText(kCatalogue);
    findNew(QStringLiteral("gamma"));
    searchWords()->setFocus();
    findNew(std::nullopt);  // cancelled: the word is gone, the selection stays
    QCOMPARE(view()->selectedText(), QStringLiteral("gamma"));
    QCOMPARE(viewCaret(), 33);
    QVERIFY(view()->hasFocus());

    searchWords()->setFocus();
    findNext();  // no word and an empty box: nothing at all
    QVERIFY(searchWords()->hasFocus());
    searchWords()->setEditText(QStringLiteral("gamma"));
    findNext();
    QVERIFY(view()->hasFocus());
    QCOMPARE(viewCaret(), 33);

    findNew(QStringLiteral("kamera"));  // from the last hit on
    QCOMPARE(viewCaret(), 39);
    panel->clearFindWord();  // as "Find Global" does
    findNext();
    QCOMPARE(viewCaret(), 39);
    QVERIFY(window->msgHeadings.isEmpty());
  }

  void whereToStartIsAskedAfterAClickWhenNotAutomatic() {
    view()->setText(kCatalogue);
    window->values().autoMode = false;
    window->values().viewCaret = -1;  // after a failed find: from the top, unasked
    findNew(QStringLiteral("kamera"));
    QCOMPARE(viewCaret(), 6);
    window->values().viewCaret = 0;
    findNew(QStringLiteral("kamera"));
    QCOMPARE(viewCaret(), 6);
    QVERIFY(window->msgHeadings.isEmpty());

    const auto clickAt = [this](qint64 position) {
      view()->setCaretPosition(position);
      window->values().viewCaret = position;
    };
    window->msgAnswers = {kNo, kYes, kCancel};
    clickAt(25);
    findNew(QStringLiteral("kamera"));  // No: from the caret on
    QCOMPARE(viewCaret(), 39);
    clickAt(25);
    findNew(QStringLiteral("kamera"));  // Yes: from the top
    QCOMPARE(viewCaret(), 6);
    view()->select(22, 6);
    window->values().viewCaret = 22;
    searchWords()->setFocus();
    findNew(QStringLiteral("gamma"));  // Cancel: nothing moves
    QCOMPARE(view()->selectedText(), QStringLiteral("kamera"));
    QCOMPARE(viewCaret(), 22);
    QVERIFY(searchWords()->hasFocus());
    QCOMPARE(window->msgHeadings, QStringList(3, QStringLiteral("Where to start searching")));

    window->values().autoMode = true;  // automatic: from the caret, unasked
    clickAt(25);
    findNew(QStringLiteral("kamera"));
    QCOMPARE(viewCaret(), 39);
    QCOMPARE(window->msgHeadings.size(), 3);
  }

  void helpPanelAndHints() {
    auto* help = window->get<QWidget>(QStringLiteral("SHelp"));
    auto* text = window->get<QLabel>(QStringLiteral("SHelpLab"));
    button(QStringLiteral("GCom(1)"))->click();
    QVERIFY(help->isVisible());
    QCOMPARE(text->text(),
             QStringLiteral("A quick and simple way to add more than one word to search for:\n"
                            "Use the PIPE | comand (usually on the left of the backspace; Shift+\\\n\n"
                            "       Example:\n             kamera|camera|snap\n\n"
                            "Remember the extention selection list.\n===============\n"
                            "Extention list:\nThe length of the extention, with the dot is 4 chars"));
    button(QStringLiteral("GCom(1)"))->click();
    QVERIFY(help->isHidden());
    QCOMPARE(text->text(), QString());

    QPointF at(2, 2);
    QEnterEvent enter(at, at, at);
    button(QStringLiteral("FCom(2)"))->setText(QStringLiteral("Elsewhere"));
    QApplication::sendEvent(button(QStringLiteral("FCom(2)")), &enter);
    QCOMPARE(window->hint,
             QStringLiteral("F3 search 1st instance. F4 search through disc. Global search all discs. [Elsewhere]"));
    QApplication::sendEvent(button(QStringLiteral("GCom(15)")), &enter);
    QCOMPARE(window->hint, QStringLiteral("Close Find menu"));
  }
};

QTEST_MAIN(FindPanelTest)
#include "FindPanelTest.moc"
