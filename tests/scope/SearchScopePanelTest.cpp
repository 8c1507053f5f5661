// The search panel DSoekPan in the real window: each control reaches its engine (ScopeTest
// proves their rules) and the outcome reaches the panel, the files or the user.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;

namespace {
// Six discs listed; the panel is opened as "Find Global" opens it.
struct World : test::WindowHarness {
  World() { writeData("QM.tex", "d0\r\nd1\r\nd2\r\nd3\r\nd4\r\nd5\r\n"); }
  void open() {
    if (!window) start();
    get<QComboBox>("FTex")->setEditText("word");
    click("GCom(4)");
    QVERIFY(visible("DSoekPan"));
  }
  QListWidget* discs() const { return get<QListWidget>("SoekLys"); }
  QListWidget* types() const { return get<QListWidget>("ExtLys"); }
  void press(int index) const { click(QStringLiteral("SoekCom(%1)").arg(index)); }
  static QList<int> selectedRows(QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
      if (list->item(row)->isSelected()) rows += row;
    return rows;
  }
};
}  // namespace

class SearchScopePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void theWindowsSearchSettingsMoveWithThePanelsBoxes() {
    World w;
    w.start();
    for (auto [panel, window] : {std::pair{"CaseON", "SSetC(0)"}, {"WordOnly", "SSetC(1)"}}) {
      w.click(panel);
      QVERIFY(w.get<QCheckBox>(window)->isChecked());
      w.click(window);
      QVERIFY(!w.get<QCheckBox>(panel)->isChecked());
    }
  }

  void discKeysSelectionsAndTheButtonRow() {
    World w;
    w.writeData("ExtLys.ini", "JPG\r\nGIF\r\n");
    w.writeData("RemSel.ini", "Music\r\n");
    w.open();
    QListWidget* discs = w.discs();
    discs->setCurrentRow(4, QItemSelectionModel::NoUpdate);
    for (const QList<int>& selected : {QList<int>{4}, {4, 5}, {4}}) {  // the last row stays current
      QTest::keyClick(discs, Qt::Key_Insert);
      QCOMPARE(World::selectedRows(discs), selected);
    }
    QTest::keyClick(discs, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(World::selectedRows(discs), QList<int>());
    // Dragging with the right button held toggles row after row.
    QMouseEvent drag(QEvent::MouseMove, QPointF(5, 5), discs->viewport()->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    for (int move = 0; move < 2; ++move) QCoreApplication::sendEvent(discs->viewport(), &drag);
    QCOMPARE(World::selectedRows(discs), QList<int>({4, 5}));
    w.dialogs.inputs = {QStringLiteral("Films"), QStringLiteral("FILMS")};
    for (int i = 0; i < 2; ++i) w.press(4);
    QCOMPARE(w.dialogs.prompts.value(1), QStringLiteral("Save this selection under the name of:\nFilms?"));
    QCOMPARE(w.dialogs.messages, QStringList{"Name: FILMS Already Exists!\n\nPlease use another name and try again"});
    w.press(1);  // select all
    QCOMPARE(World::selectedRows(discs).size(), 6);
    w.press(2);  // select none; applying a selection keeps the row selected since and adds the saved rows
    discs->item(1)->setSelected(true);
    Q_EMIT w.get<QComboBox>("RemSel")->activated(1);
    QCOMPARE(World::selectedRows(discs), QList<int>({1, 4, 5}));
    w.dialogs.answers = {Answer::No, Answer::Yes};
    for (const QStringList& left : {QStringList{"Music", "Films"}, {"Music"}}) {
      w.press(11);
      QCOMPARE(w.entries("RemSel"), left);
    }
    w.press(0);
    QVERIFY(!w.visible("DSoekPan"));
    w.open();
    w.get<QComboBox>("FTex")->setEditText("a|b");
    w.msgAnswers = {Answer::No};  // to saving the report of the search it starts
    w.press(3);
    QCOMPARE(w.entries("XTL"), QStringList({"a", "b"}));
    QCOMPARE(w.dataFile("ExtLys.inZ"), QByteArray("JPG\r\nGIF\r\n"));
  }

  // Search Extention lists the types in the file list's order; the home folder also holds the start's QM.tmp.
  void typeListOpensAddsDeletesAndSearches() {
    World w;
    w.writeData("ExtLys.ini", "TXT\r\nJPG\r\nDOC\r\nGIF\r\n");
    w.world.writeFile(w.world.appFolder() + "sette.lys", "JPG GIF \r\n");
    for (const char* name : {"A.TXT", "C.HTM", "README"}) w.world.writeFile(w.world.home() + name, "");
    w.start();
    w.window->programSettings().setValue("Changes", "NewDisc", "True");
    w.open();
    QVERIFY(w.visible("NewDisc"));
    QCOMPARE(w.get<QComboBox>("Sette")->currentText(), QStringLiteral("Extention SETS"));
    w.types()->item(2)->setSelected(true);
    Q_EMIT w.get<QComboBox>("Sette")->activated(0);
    QCOMPARE(World::selectedRows(w.types()), QList<int>({1, 2, 3}));
    for (int selected : {4, 0}) {
      QTest::mousePress(w.types()->viewport(), Qt::RightButton);
      QCOMPARE(World::selectedRows(w.types()).size(), selected);
    }
    w.types()->item(0)->setSelected(true);
    w.dialogs.answers = {Answer::No, Answer::Yes, Answer::Yes};
    for (int left : {4, 3}) {
      w.press(10);
      QCOMPARE(w.types()->count(), left);
    }
    QCOMPARE(w.dataFile("ExtLys.ini"), QByteArray("JPG\r\nDOC\r\nGIF\r\n"));
    w.press(9);
    QCOMPARE(w.dataFile("ExtLys.ini"), QByteArray());
    QCOMPARE(w.dialogs.questions.size(), 3);
    auto* entry = w.get<QLineEdit>("AddExt");
    entry->setText("jpg");
    w.press(6);
    QCOMPARE(w.text("Label7(1)"), QStringLiteral("File type to search for: (0)"));
    for (const auto& [text, left] : {std::pair{"Gif", ""}, {"GIF", "GIF"}}) {  // Enter clears what it added
      entry->setText(text);
      QTest::keyClick(entry, Qt::Key_Return);
      QCOMPARE(entry->text(), QString(left));
    }
    QTest::mousePress(entry, Qt::RightButton);
    QVERIFY(entry->text().isEmpty());
    entry->setText("A/B");
    w.press(6);
    QCOMPARE(w.dialogs.messages.size(), 1);
    w.press(8);
    QCOMPARE(w.dataFile("ExtLys.ini"), QByteArray("JPG\r\nGIF\r\n"));
    w.press(7);
    QCOMPARE(w.entries("ExtLys").join("/"), QStringLiteral("HTM/ADME/TMP/TXT"));
    auto* length = w.get<QLineEdit>("SLen");
    length->clear();  // left empty: back to 4
    QFocusEvent leaving(QEvent::FocusOut);
    QCoreApplication::sendEvent(length, &leaving);
    QCOMPARE(length->text(), QStringLiteral("4"));
  }
};

QUILMO_PANEL_TEST(SearchScopePanelTest)
#include "SearchScopePanelTest.moc"
