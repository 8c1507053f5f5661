// The search panel DSoekPan in the real window: START's word list, saved selections, file
// types, extension sets and the selection keys.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {

// Six discs listed; the panel is opened as "Find Global" opens it.
struct World : WindowHarness {
  World() { writeData(QStringLiteral("QM.tex"), "d0\r\nd1\r\nd2\r\nd3\r\nd4\r\nd5\r\n"); }
  void open() {
    if (!window) start();
    get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("word"));
    click(QStringLiteral("GCom(4)"));
    QVERIFY(visible(QStringLiteral("DSoekPan")));
  }
  QListWidget* discs() const { return get<QListWidget>(QStringLiteral("SoekLys")); }
  QListWidget* types() const { return get<QListWidget>(QStringLiteral("ExtLys")); }
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
  void startSplitsTheWordsAndSavesTheTypes() {
    World w;
    w.writeData(QStringLiteral("ExtLys.ini"), "JPG\r\nGIF\r\n");
    w.open();
    w.get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("a||b|"));
    w.msgAnswers = {Answer::No};
    w.press(3);
    QCOMPARE(w.entries(QStringLiteral("XTL")), QStringList({"a", "", "b", ""}));
    QCOMPARE(w.dataFile(QStringLiteral("ExtLys.inZ")), QByteArray("JPG\r\nGIF\r\n"));
    QCOMPARE(w.msgHeadings, QStringList{"Saving Search Report"});  // the search ran
    QCOMPARE(w.unanswered(), 0);
  }

  void openingReadsTheListsAndTheNotice() {
    World w;
    w.world.writeFile(w.world.appFolder() + QStringLiteral("sette.lys"), "JPG GIF \r\njpg gif\r\nTXT \r\n");
    w.writeData(QStringLiteral("RemSel.ini"), "Films\r\nMusic\r\n");
    w.start();
    w.window->programSettings().setValue(QStringLiteral("Changes"), QStringLiteral("NewDisc"), QStringLiteral("True"));
    w.open();
    auto* Sette = w.get<QComboBox>(QStringLiteral("Sette"));
    QCOMPARE(Sette->count(), 2);
    QCOMPARE(Sette->currentText(), QStringLiteral("Extention SETS"));
    QCOMPARE(w.entries(QStringLiteral("RemSel")), QStringList({"Films", "Music"}));
    QCOMPARE(w.entries(QStringLiteral("SoekLys")).size(), 6);
    QVERIFY(w.visible(QStringLiteral("NewDisc")));
    QVERIFY(QFile::exists(w.data(QStringLiteral("ExtLys.ini"))));
  }

  void remembersAppliesAndDeletesSelections() {
    World w;
    w.open();
    auto* names = w.get<QComboBox>(QStringLiteral("RemSel"));
    for (int row : {0, 2, 5}) w.discs()->item(row)->setSelected(true);
    w.dialogs.inputs = {QStringLiteral("Films")};
    w.press(4);
    QCOMPARE(w.dataFile(QStringLiteral("Films.ini")), QByteArray(" 0 \r\n 2 \r\n 5 \r\n"));
    QCOMPARE(w.dataFile(QStringLiteral("RemSel.ini")), QByteArray("Films\r\n"));
    QCOMPARE(w.dialogs.prompts.value(0), QStringLiteral("Save this selection under the name of:\n?"));

    // Refused names are ScopeTest's; here the refusal reaches the user, a cancel as no name.
    w.dialogs.inputs = {QStringLiteral("FILMS"), std::nullopt};
    for (int i = 0; i < 2; ++i) w.press(4);
    QCOMPARE(w.dialogs.messages, (QStringList{"Name: FILMS Already Exists!\n\nPlease use another name and try again",
                                              "I don't like files with no names. . ."}));
    QCOMPARE(w.dataFile(QStringLiteral("RemSel.ini")), QByteArray("Films\r\n"));

    // Applying keeps what is selected and adds the saved rows.
    w.discs()->clearSelection();
    w.discs()->item(1)->setSelected(true);
    names->setCurrentIndex(0);
    Q_EMIT names->activated(0);
    QCOMPARE(World::selectedRows(w.discs()), QList<int>({0, 1, 2, 5}));

    w.dialogs.answers = {Answer::No, Answer::Yes};
    names->setEditText(QStringLiteral("Films"));
    w.press(11);
    QCOMPARE(names->count(), 1);
    w.press(11);
    QCOMPARE(names->count(), 0);
    QVERIFY(!QFile::exists(w.data(QStringLiteral("Films.ini"))));
    QCOMPARE(w.dataFile(QStringLiteral("RemSel.ini")), QByteArray());
    QCOMPARE(w.unanswered(), 0);
  }

  void addsClearsAndDeletesFileTypes() {
    World w;
    w.open();
    auto* entry = w.get<QLineEdit>(QStringLiteral("AddExt"));
    QCOMPARE(entry->maxLength(), 6);
    entry->setText(QStringLiteral("jpg"));
    w.press(6);
    QCOMPARE(w.entries(QStringLiteral("ExtLys")), QStringList({"JPG"}));
    QCOMPARE(w.text(QStringLiteral("Label7(1)")), QStringLiteral("File type to search for: (0)"));
    entry->setText(QStringLiteral("Gif"));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(entry->text(), QString());
    entry->setText(QStringLiteral("GIF"));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(entry->text(), QStringLiteral("GIF"));  // a duplicate stays in the entry
    entry->setText(QStringLiteral("A/B"));
    w.press(6);
    QCOMPARE(w.dialogs.messages.size(), 1);
    QCOMPARE(w.entries(QStringLiteral("ExtLys")), QStringList({"JPG", "GIF"}));

    w.press(8);
    QCOMPARE(w.dataFile(QStringLiteral("ExtLys.ini")), QByteArray("JPG\r\nGIF\r\n"));
    w.types()->item(0)->setSelected(true);
    w.dialogs.answers = {Answer::No, Answer::Yes, Answer::Yes};
    w.press(10);
    QCOMPARE(w.types()->count(), 2);
    w.press(10);
    QCOMPARE(w.entries(QStringLiteral("ExtLys")), QStringList({"GIF"}));
    QCOMPARE(w.dataFile(QStringLiteral("ExtLys.ini")), QByteArray("GIF\r\n"));
    w.press(9);
    QCOMPARE(w.types()->count(), 0);
    QCOMPARE(w.dataFile(QStringLiteral("ExtLys.ini")), QByteArray());
    QCOMPARE(w.unanswered(), 0);
  }

  // The types come in the file list's order; the home folder also holds the start's QM.tmp.
  void searchExtentionReadsTheBrowsedFolder() {
    World w;
    for (const char* name : {"A.TXT", "B.TXT", "C.HTM", "README", "archive.tar.gz"})
      w.world.writeFile(w.world.home() + QString::fromLatin1(name), "");
    w.open();  // the browse area shows drive C, the home folder
    w.press(7);
    QCOMPARE(w.entries(QStringLiteral("ExtLys")).join("/"), QStringLiteral("HTM/ADME/TMP/TXT"));
    QCOMPARE(w.text(QStringLiteral("Label7(1)")), QStringLiteral("File type to search for: (3)"));
    auto* length = w.get<QLineEdit>(QStringLiteral("SLen"));
    length->clear();  // left empty: back to 4
    QFocusEvent leaving(QEvent::FocusOut);
    QCoreApplication::sendEvent(length, &leaving);
    QCOMPARE(length->text(), QStringLiteral("4"));
  }

  void setsRightClicksAndInsertKeysSelect() {
    World w;
    w.writeData(QStringLiteral("ExtLys.ini"), "TXT\r\nJPG\r\nDOC\r\nGIF\r\n");
    w.world.writeFile(w.world.appFolder() + QStringLiteral("sette.lys"), "JPG GIF \r\n");
    w.open();
    w.types()->item(2)->setSelected(true);
    Q_EMIT w.get<QComboBox>(QStringLiteral("Sette"))->activated(0);
    QCOMPARE(World::selectedRows(w.types()), QList<int>({1, 2, 3}));
    w.types()->clearSelection();
    QTest::mousePress(w.types()->viewport(), Qt::RightButton);
    QCOMPARE(World::selectedRows(w.types()).size(), 4);
    QTest::mousePress(w.types()->viewport(), Qt::RightButton);
    QCOMPARE(World::selectedRows(w.types()).size(), 0);

    QListWidget* discs = w.discs();
    discs->setCurrentRow(4, QItemSelectionModel::NoUpdate);
    discs->clearSelection();
    QTest::keyClick(discs, Qt::Key_Insert);
    QTest::keyClick(discs, Qt::Key_Insert);
    QCOMPARE(World::selectedRows(discs), QList<int>({4, 5}));
    QCOMPARE(discs->currentRow(), 5);  // the last row stays current
    QTest::keyClick(discs, Qt::Key_Insert);
    QCOMPARE(World::selectedRows(discs), QList<int>({4}));
    QTest::keyClick(discs, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(World::selectedRows(discs), QList<int>());
    // Dragging with the right button held toggles row after row.
    for (int move = 0; move < 2; ++move) {
      QMouseEvent drag(QEvent::MouseMove, QPointF(5, 5), discs->viewport()->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                       Qt::RightButton, Qt::NoModifier);
      QCoreApplication::sendEvent(discs->viewport(), &drag);
    }
    QCOMPARE(World::selectedRows(discs), QList<int>({4, 5}));
    w.press(1);
    QCOMPARE(World::selectedRows(discs).size(), 6);
    w.press(2);
    QCOMPARE(World::selectedRows(discs).size(), 0);
    w.press(0);
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));
  }
};

QUILMO_PANEL_TEST(SearchScopePanelTest)
#include "SearchScopePanelTest.moc"
