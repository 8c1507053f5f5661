// The search panel DSoekPan: START's word list, saved selections, file types, extension
// sets and the selection keys.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "scope/SearchScopePanel.h"
#include "shell/PanelControls.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

class SearchScopePanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::SearchScopePanel* scope = nullptr;
  int findGlobalCalls = 0;

  template <class T>
  T* get(const char* name) {
    return window->get<T>(QString::fromLatin1(name));
  }
  QListWidget* discs() { return get<QListWidget>("SoekLys"); }
  QListWidget* types() { return get<QListWidget>("ExtLys"); }
  void press(int index) { get<QPushButton>(qPrintable(panels::arrayName("SoekCom", index)))->click(); }
  QList<int> selectedRows(QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
      if (list->item(row)->isSelected()) rows += row;
    return rows;
  }
  QByteArray dataFile(const char* name) { return TempWorld::readFile(world->dataPath() + name); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    scope = panels::attachSearchScope(*window);
    findGlobalCalls = 0;
    scope->findGlobal = [this] { ++findGlobalCalls; };
    discs()->addItems({"d0", "d1", "d2", "d3", "d4", "d5"});
    get<QWidget>("DSoekPan")->show();
  }

  void cleanup() {
    window.reset();
    world.reset();
  }

  void startSplitsTheWordsAndSavesTheTypes() {
    world->writeFile(world->dataPath() + "ExtLys.ini", "JPG\r\nGIF\r\n");
    scope->inExtLys();
    get<QComboBox>("FTex")->setEditText("a||b|");
    press(3);
    QCOMPARE(panels::entriesOf(*get<QListWidget>("XTL")), QStringList({"a", "", "b", ""}));
    QCOMPARE(dataFile("ExtLys.inZ"), QByteArray("JPG\r\nGIF\r\n"));
    QCOMPARE(findGlobalCalls, 1);

    get<QComboBox>("FTex")->setEditText(QString());
    press(3);
    QCOMPARE(panels::entriesOf(*get<QListWidget>("XTL")), QStringList({""}));

    // Enter on a button runs the search without START's word list.
    QTest::keyClick(get<QPushButton>("SoekCom(1)"), Qt::Key_Return);
    QCOMPARE(findGlobalCalls, 3);
    QCOMPARE(selectedRows(discs()), QList<int>());  // the button itself did not act
  }

  void loaderReadsTheListsAndTheNotice() {
    world->writeFile(world->appFolder() + "sette.lys", "JPG GIF \r\njpg gif\r\nTXT \r\n");
    world->writeFile(world->dataPath() + "RemSel.ini", "Films\r\nMusic\r\n");
    window->programSettings().setValue("Changes", "NewDisc", "True");
    scope->inExtLys();
    QCOMPARE(get<QComboBox>("Sette")->count(), 2);
    QCOMPARE(get<QComboBox>("Sette")->currentText(), QStringLiteral("Extention SETS"));
    QCOMPARE(panels::itemsOf(*get<QComboBox>("RemSel")), QStringList({"Films", "Music"}));
    QVERIFY(get<QWidget>("NewDisc")->isVisible());
    QVERIFY(QFile::exists(world->dataPath() + "ExtLys.ini"));
    window->programSettings().setValue("Changes", "NewDisc", "False");
    scope->inExtLys();
    QVERIFY(get<QWidget>("NewDisc")->isHidden());
  }

  void remembersAppliesAndDeletesSelections() {
    auto* names = get<QComboBox>("RemSel");
    for (int row : {0, 2, 5}) discs()->item(row)->setSelected(true);
    window->scripted.inputs = {QString("Films")};
    press(4);
    QCOMPARE(dataFile("Films.ini"), QByteArray(" 0 \r\n 2 \r\n 5 \r\n"));
    QCOMPARE(dataFile("RemSel.ini"), QByteArray("Films\r\n"));
    QCOMPARE(window->scripted.prompts.value(0), QStringLiteral("Save this selection under the name of:\n?"));

    window->scripted.inputs = {QString("FILMS"), QString(), std::nullopt, QString("../up")};
    for (int i = 0; i < 4; ++i) press(4);
    QCOMPARE(window->scripted.messages.value(0),
             QStringLiteral("Name: FILMS Already Exists!\n\nPlease use another name and try again"));
    QCOMPARE(window->scripted.messages.value(1), QStringLiteral("I don't like files with no names. . ."));
    QCOMPARE(window->scripted.messages.value(2), QStringLiteral("I don't like files with no names. . ."));
    QCOMPARE(window->scripted.messages.size(), 4);  // the path is refused too
    QCOMPARE(dataFile("RemSel.ini"), QByteArray("Films\r\n"));
    QVERIFY(!QFile::exists(world->root() + "up.ini"));

    // Applying keeps what is selected and adds the saved rows.
    discs()->clearSelection();
    discs()->item(1)->setSelected(true);
    names->setCurrentIndex(0);
    Q_EMIT names->activated(0);
    QCOMPARE(selectedRows(discs()), QList<int>({0, 1, 2, 5}));

    window->scripted.answers = {Answer::No, Answer::Yes};
    names->setEditText("Films");
    press(11);
    QCOMPARE(names->count(), 1);
    press(11);
    QCOMPARE(names->count(), 0);
    QVERIFY(!QFile::exists(world->dataPath() + "Films.ini"));
    QCOMPARE(dataFile("RemSel.ini"), QByteArray());
  }

  void addsClearsAndDeletesFileTypes() {
    scope->inExtLys();
    auto* entry = get<QLineEdit>("AddExt");
    QCOMPARE(entry->maxLength(), 6);
    entry->setText("jpg");
    press(6);
    QCOMPARE(panels::entriesOf(*types()), QStringList({"JPG"}));
    QCOMPARE(get<QLabel>("Label7(1)")->text(), QStringLiteral("File type to search for: (0)"));
    QCOMPARE(entry->text(), QStringLiteral("jpg"));  // the button leaves it
    entry->setText("Gif");
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(entry->text(), QString());
    entry->setText("GIF");
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(entry->text(), QStringLiteral("GIF"));  // a duplicate stays
    QCOMPARE(panels::entriesOf(*types()), QStringList({"JPG", "GIF"}));
    entry->setText("A/B");
    press(6);
    QCOMPARE(window->scripted.messages.size(), 1);
    QCOMPARE(types()->count(), 2);
    QTest::mousePress(entry, Qt::RightButton);
    QCOMPARE(entry->text(), QString());

    press(8);
    QCOMPARE(dataFile("ExtLys.ini"), QByteArray("JPG\r\nGIF\r\n"));
    types()->item(0)->setSelected(true);
    window->scripted.answers = {Answer::No, Answer::Yes};
    press(10);
    QCOMPARE(types()->count(), 2);
    press(10);
    QCOMPARE(panels::entriesOf(*types()), QStringList({"GIF"}));
    QCOMPARE(dataFile("ExtLys.ini"), QByteArray("GIF\r\n"));
    window->scripted.answers = {Answer::Yes};
    press(9);
    QCOMPARE(types()->count(), 0);
    QCOMPARE(dataFile("ExtLys.ini"), QByteArray());
  }

  void searchExtentionReadsTheFileList() {
    get<QListWidget>("FiL")->addItems({"A.TXT", "B.TXT", "C.HTM", "README", "archive.tar.gz"});
    press(7);
    QCOMPARE(panels::entriesOf(*types()), QStringList({"TXT", "HTM", "ADME"}));
    QCOMPARE(get<QLabel>("Label7(1)")->text(), QStringLiteral("File type to search for: (2)"));
    auto* length = get<QLineEdit>("SLen");
    length->setText("0");
    press(7);
    QCOMPARE(panels::entriesOf(*types()), QStringList({"TXT", "HTM", "README", "GZ"}));

    for (const char* text : {"12", ""}) {
      length->setText(text);
      QFocusEvent leaving(QEvent::FocusOut);
      QCoreApplication::sendEvent(length, &leaving);
      QCOMPARE(length->text(), QStringLiteral("4"));
    }
  }

  void setsAndRightClicksSelectTypes() {
    world->writeFile(world->dataPath() + "ExtLys.ini", "TXT\r\nJPG\r\nDOC\r\nGIF\r\n");
    world->writeFile(world->appFolder() + "sette.lys", "JPG GIF \r\n");
    scope->inExtLys();
    types()->item(2)->setSelected(true);
    Q_EMIT get<QComboBox>("Sette")->activated(0);
    QCOMPARE(selectedRows(types()), QList<int>({1, 2, 3}));
    QCOMPARE(get<QListWidget>("SSS")->count(), 0);

    types()->clearSelection();
    QTest::mousePress(types()->viewport(), Qt::RightButton);
    QCOMPARE(selectedRows(types()).size(), 4);
    QTest::mousePress(types()->viewport(), Qt::RightButton);
    QCOMPARE(selectedRows(types()).size(), 0);
  }

  void insertKeysToggleAndMove() {
    discs()->setCurrentRow(4, QItemSelectionModel::NoUpdate);
    discs()->clearSelection();
    QTest::keyClick(discs(), Qt::Key_Insert);
    QTest::keyClick(discs(), Qt::Key_Insert);
    QCOMPARE(selectedRows(discs()), QList<int>({4, 5}));
    QCOMPARE(discs()->currentRow(), 5);  // the last row stays current
    QTest::keyClick(discs(), Qt::Key_Insert);
    QCOMPARE(selectedRows(discs()), QList<int>({4}));
    QTest::keyClick(discs(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(discs()->currentRow(), 4);
    QCOMPARE(selectedRows(discs()), QList<int>());

    // Dragging with the right button held toggles row after row.
    for (int move = 0; move < 2; ++move) {
      QMouseEvent drag(QEvent::MouseMove, QPointF(5, 5), discs()->viewport()->mapToGlobal(QPointF(5, 5)),
                       Qt::NoButton, Qt::RightButton, Qt::NoModifier);
      QCoreApplication::sendEvent(discs()->viewport(), &drag);
    }
    QCOMPARE(selectedRows(discs()), QList<int>({4, 5}));

    press(1);
    QCOMPARE(selectedRows(discs()).size(), 6);
    press(2);
    QCOMPARE(selectedRows(discs()).size(), 0);
    press(0);
    QVERIFY(get<QWidget>("DSoekPan")->isHidden());
  }
};

QTEST_MAIN(SearchScopePanelTest)
#include "SearchScopePanelTest.moc"
