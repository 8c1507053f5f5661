// The associations panel SocPan: edits, deletions and their undo, the program picker and
// the pasted path, all kept in QM.soc.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "library/AssociationPanel.h"
#include "library/AssociationTable.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6;
}

class AssociationPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::AssociationPanel* panel = nullptr;

  QString data(const char* name) const { return world->dataPath() + QString::fromLatin1(name); }
  QListWidget* list(const char* name) { return window->get<QListWidget>(QString::fromLatin1(name)); }
  QLineEdit* edit(const char* name) { return window->get<QLineEdit>(QString::fromLatin1(name)); }
  QStringList entries(const char* name) {
    QStringList texts;
    for (int row = 0; row < list(name)->count(); ++row) texts += list(name)->item(row)->text();
    return texts;
  }
  void press(int index) {
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("SoCCom(%1)").arg(index)), Qt::LeftButton);
  }
  void clickLine(const char* name, int row) {
    QListWidget* box = list(name);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
  }
  void rightClickLines() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(list("SoCLys")->viewport(), &event);
  }
  void paste(const QString& text) {
    edit("PastePad")->setText(text);
    QTest::keyClick(edit("PastePad"), Qt::Key_Return);
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    world->writeFile(data("QM.soc"), "txt /usr/bin/edit\r\njpg /usr/bin/view\r\n");
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->drives().overrideForRun(u'C', world->home());
    panel = panels::attachAssociations(*window);
  }

  void cleanup() {
    QCOMPARE(window->msgUnanswered, 0);
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void editsDeletionsAndUndoSurviveARestart() {
    QCOMPARE(entries("SoCLys"), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/edit"}));
    auto* edited = window->get<QPushButton>(QStringLiteral("SoCCom(1)"));
    QVERIFY(!edited->isEnabled());

    clickLine("SoCLys", 1);
    QCOMPARE(edit("SoCTeX")->text(), QStringLiteral("txt /usr/bin/edit"));
    edit("SoCTeX")->clear();
    QTest::keyClicks(edit("SoCTeX"), QStringLiteral("txt /usr/bin/xdg-open"));
    QVERIFY(edited->isEnabled());
    press(1);
    QCOMPARE(entries("SoCLys"), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/xdg-open"}));
    QVERIFY(edit("SoCTeX")->text().isEmpty());

    clickLine("SoCLys", 0);
    press(2);
    QCOMPARE(entries("SoCLys"), QStringList{"txt /usr/bin/xdg-open"});
    const QByteArray afterDelete("txt /usr/bin/xdg-open\r\n");
    QCOMPARE(TempWorld::readFile(data("QM.soc")), afterDelete);
    QCOMPARE(TempWorld::readFile(data("QM.mmd")), afterDelete);
    QCOMPARE(library::AssociationTable(world->dataPath()).lines(), QStringList{"txt /usr/bin/xdg-open"});

    // Undo: the deleted line comes back into the association line, "EDITed" stores it.
    window->msgAnswers = {kYes};
    rightClickLines();
    QCOMPARE(window->msgHeadings, QStringList{"Undo Last Deletion"});
    QCOMPARE(window->msgMessages, QStringList{"Undo DELETE association?"});
    QCOMPARE(edit("SoCTeX")->text(), QStringLiteral("jpg /usr/bin/view"));
    list("SoCLys")->clearSelection();
    press(1);
    QCOMPARE(library::AssociationTable(world->dataPath()).lines(),
             (QStringList{"jpg /usr/bin/view", "txt /usr/bin/xdg-open"}));
  }

  void emptyOrMalformedLinesChangeNothing() {
    const QByteArray before = TempWorld::readFile(data("QM.soc"));
    edit("SoCTeX")->clear();
    press(1);  // empty: nothing at all
    for (const QString& bad : {QStringLiteral("txt /opt/a,b/edit"), QStringLiteral("notepad")}) {
      edit("SoCTeX")->clear();
      QTest::keyClicks(edit("SoCTeX"), bad);
      press(1);
    }
    QCOMPARE(window->scripted.messages.size(), 2);
    press(2);  // nothing selected to delete
    QCOMPARE(window->scripted.messages.size(), 3);
    QCOMPARE(TempWorld::readFile(data("QM.soc")), before);
    QCOMPARE(entries("SoCLys").size(), 2);
    rightClickLines();  // nothing deleted yet: no question
    QVERIFY(window->msgHeadings.isEmpty());
  }

  void selectStoresThePickedProgramForTheType() {
    const QString tools = world->folder(QStringLiteral("home/tools"));
    world->writeFile(tools + QStringLiteral("edit tool"), "#!/bin/sh\n");
    QFile::setPermissions(tools + QStringLiteral("edit tool"), QFile::ReadOwner | QFile::ExeOwner);
    world->writeFile(tools + QStringLiteral("OLD.EXE"), "");
    world->writeFile(tools + QStringLiteral("readme.txt"), "");

    panel->openFor(QStringLiteral("doc"));
    press(0);  // "NEW": the picker opens on drive C
    QVERIFY(window->get<QWidget>(QStringLiteral("AddNew"))->isVisible());
    QVERIFY(window->get<QComboBox>(QStringLiteral("Drive2"))->currentText().startsWith(QStringLiteral("C: ")));
    QCOMPARE(entries("Dir2"), QStringList{"tools"});
    const QPoint row = list("Dir2")->visualItemRect(list("Dir2")->item(0)).center();
    QTest::mouseClick(list("Dir2")->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list("Dir2")->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(entries("File2"), (QStringList{"edit tool", "OLD.EXE"}));
    QCOMPARE(window->values().pickFolder, tools);

    clickLine("File2", 0);
    QCOMPARE(edit("SoCTeX")->text(), tools + QStringLiteral("edit tool"));
    press(4);
    const QString line = QStringLiteral("doc ") + tools + QStringLiteral("edit tool");
    QVERIFY(entries("SoCLys").contains(line));
    QVERIFY(TempWorld::readFile(data("QM.soc")).endsWith((line + QStringLiteral("\r\n")).toUtf8()));
    QCOMPARE(library::AssociationTable(world->dataPath()).programFor(QStringLiteral("DOC")),
             tools + QStringLiteral("edit tool"));
    QCOMPARE(entries("EXLys"), QStringList{"doc"});
  }

  void pastedPathIsCutBackToAnExistingFolder() {
    world->folder(QStringLiteral("home/a"));
    press(0);
    paste(QStringLiteral("C:\\a\\b\\c"));
    QCOMPARE(edit("PastePad")->text(), QStringLiteral("C:\\a"));
    QCOMPARE(window->values().pickFolder, world->home() + QStringLiteral("a/"));
    paste(world->home() + QStringLiteral("a/x/y"));  // a native path is cut the same way
    QCOMPARE(edit("PastePad")->text(), world->home() + QStringLiteral("a"));

    window->msgAnswers = {kYes};
    paste(QStringLiteral("Q:\\nowhere"));  // a drive that stands for nothing
    QCOMPARE(window->msgHeadings, QStringList{"Cannot fix path"});
    QCOMPARE(window->msgMessages, QStringList{"Some ERROR. Cannot repair. Please do it on your side..."});
    QCOMPARE(edit("PastePad")->text(), QStringLiteral("Q:\\nowhere"));
    QCOMPARE(window->values().pickFolder, world->home() + QStringLiteral("a/"));
  }

  void helpTextAndHints() {
    world->writeFile(world->appFolder() + QStringLiteral("AssHP.rtf"),
                     "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 How it works\\par Right-click a file.}");
    panel->openFor(QStringLiteral("txt"));
    auto* help = window->get<QTextBrowser>(QStringLiteral("AssHP"));
    QCOMPARE(help->toPlainText(), QStringLiteral("How it works\nRight-click a file."));
    QPointF at(2, 2);
    QEnterEvent enter(at, at, at);
    QApplication::sendEvent(window->get<QPushButton>(QStringLiteral("SoCCom(2)")), &enter);
    QCOMPARE(window->get<QLabel>(QStringLiteral("HIW"))->text(),
             QStringLiteral("Delete-Delete current selected association in link list"));
    QApplication::sendEvent(edit("SoCTeX"), &enter);
    QCOMPARE(window->hint, QStringLiteral("Use to modify and Edit. Also to see complete prg and path"));
    press(3);
    QVERIFY(!window->get<QWidget>(QStringLiteral("SocPan"))->isVisible());
    QVERIFY(help->toPlainText().isEmpty());
  }
};

QTEST_MAIN(AssociationPanelTest)
#include "AssociationPanelTest.moc"
