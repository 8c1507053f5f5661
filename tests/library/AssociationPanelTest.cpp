// The associations panel SocPan and its program picker, in the real window.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

#include "library/AssociationPanel.h"
#include "library/AssociationTable.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {

struct World : WindowHarness {
  World() {
    writeData(QStringLiteral("QM.soc"), "txt /usr/bin/edit\r\njpg /usr/bin/view\r\n");
    start();
  }
  QLineEdit* edit(const char* name) const { return get<QLineEdit>(QString::fromLatin1(name)); }
  void press(int index) const { click(QStringLiteral("SoCCom(%1)").arg(index)); }
  void clickLine(const char* name, int row) const {
    auto* box = get<QListWidget>(QString::fromLatin1(name));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
  }
  void type(const QString& line) const {
    edit("SoCTeX")->clear();
    QTest::keyClicks(edit("SoCTeX"), line);
  }
  void rightClickLines() const {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(get<QListWidget>(QStringLiteral("SoCLys"))->viewport(), &event);
  }
  void paste(const QString& text) const {
    edit("PastePad")->setText(text);
    QTest::keyClick(edit("PastePad"), Qt::Key_Return);
  }
  void openFor(const QString& type) const { window->findChild<panels::AssociationPanel*>()->openFor(type); }
  QStringList stored() const { return library::AssociationTable(world.dataPath()).lines(); }
};
}  // namespace

class AssociationPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void editsDeletionsAndUndoAreStored() {
    World w;
    QCOMPARE(w.entries(QStringLiteral("SoCLys")), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/edit"}));
    QVERIFY(!w.get(QStringLiteral("SoCCom(1)"))->isEnabled());

    w.clickLine("SoCLys", 1);
    QCOMPARE(w.edit("SoCTeX")->text(), QStringLiteral("txt /usr/bin/edit"));
    w.type(QStringLiteral("txt /usr/bin/xdg-open"));
    QVERIFY(w.get(QStringLiteral("SoCCom(1)"))->isEnabled());
    w.press(1);
    QCOMPARE(w.entries(QStringLiteral("SoCLys")), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/xdg-open"}));
    QVERIFY(w.edit("SoCTeX")->text().isEmpty());

    w.rightClickLines();  // nothing deleted yet: no question
    QVERIFY(w.msgHeadings.isEmpty());
    w.clickLine("SoCLys", 0);
    w.press(2);
    const QByteArray afterDelete("txt /usr/bin/xdg-open\r\n");
    QCOMPARE(w.dataFile(QStringLiteral("QM.soc")), afterDelete);
    QCOMPARE(w.dataFile(QStringLiteral("QM.mmd")), afterDelete);

    // Undo: the deleted line comes back into the association line, "EDITed" stores it.
    w.msgAnswers = {Answer::Yes};
    w.rightClickLines();
    QCOMPARE(w.msgHeadings, QStringList{"Undo Last Deletion"});
    QCOMPARE(w.msgMessages, QStringList{"Undo DELETE association?"});
    QCOMPARE(w.edit("SoCTeX")->text(), QStringLiteral("jpg /usr/bin/view"));
    w.get<QListWidget>(QStringLiteral("SoCLys"))->clearSelection();
    w.press(1);
    QCOMPARE(w.stored(), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/xdg-open"}));
    QCOMPARE(w.unanswered(), 0);
  }

  void emptyOrMalformedLinesChangeNothing() {
    World w;
    const QByteArray before = w.dataFile(QStringLiteral("QM.soc"));
    w.type(QString());
    w.press(1);  // empty: nothing at all
    for (const QString& bad : {QStringLiteral("txt /opt/a,b/edit"), QStringLiteral("notepad")}) {
      w.type(bad);
      w.press(1);
    }
    QCOMPARE(w.dialogs.messages.size(), 2);
    w.get<QListWidget>(QStringLiteral("SoCLys"))->clearSelection();
    w.press(2);  // nothing selected to delete
    QCOMPARE(w.dialogs.messages.size(), 3);
    QCOMPARE(w.dataFile(QStringLiteral("QM.soc")), before);
    QCOMPARE(w.entries(QStringLiteral("SoCLys")).size(), 2);
  }

  void selectStoresThePickedProgramForTheType() {
    World w;
    const QString tools = w.world.folder(QStringLiteral("home/tools"));
    w.world.writeFile(tools + QStringLiteral("edit tool"), "#!/bin/sh\n");
    QFile::setPermissions(tools + QStringLiteral("edit tool"), QFile::ReadOwner | QFile::ExeOwner);
    w.world.writeFile(tools + QStringLiteral("OLD.EXE"), "");
    w.world.writeFile(tools + QStringLiteral("readme.txt"), "");

    w.openFor(QStringLiteral("doc"));
    w.press(0);  // "NEW": the picker opens on drive C
    QVERIFY(w.visible(QStringLiteral("AddNew")));
    QVERIFY(w.get<QComboBox>(QStringLiteral("Drive2"))->currentText().startsWith(QStringLiteral("C: ")));
    QVERIFY(w.entries(QStringLiteral("Dir2")).contains(QStringLiteral("tools")));
    auto* Dir2 = w.get<QListWidget>(QStringLiteral("Dir2"));
    const QPoint row = Dir2->visualItemRect(Dir2->findItems(QStringLiteral("tools"), Qt::MatchExactly).value(0)).center();
    QTest::mouseClick(Dir2->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(Dir2->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(w.entries(QStringLiteral("File2")), (QStringList{"edit tool", "OLD.EXE"}));
    QCOMPARE(w.window->values().pickFolder, tools);

    w.clickLine("File2", 0);
    QCOMPARE(w.edit("SoCTeX")->text(), tools + QStringLiteral("edit tool"));
    w.press(4);
    const QString line = QStringLiteral("doc ") + tools + QStringLiteral("edit tool");
    QVERIFY(w.entries(QStringLiteral("SoCLys")).contains(line));
    QVERIFY(w.dataFile(QStringLiteral("QM.soc")).endsWith((line + QStringLiteral("\r\n")).toUtf8()));
    QCOMPARE(w.entries(QStringLiteral("EXLys")), QStringList{"doc"});
  }

  void pastedPathIsCutBackToAnExistingFolder() {
    World w;
    w.world.folder(QStringLiteral("home/a"));
    w.press(0);
    w.paste(QStringLiteral("C:\\a\\b\\c"));
    QCOMPARE(w.edit("PastePad")->text(), QStringLiteral("C:\\a"));
    QCOMPARE(w.window->values().pickFolder, w.world.home() + QStringLiteral("a/"));
    w.paste(w.world.home() + QStringLiteral("a/x/y"));  // a native path is cut the same way
    QCOMPARE(w.edit("PastePad")->text(), w.world.home() + QStringLiteral("a"));

    w.msgAnswers = {Answer::Yes};
    w.paste(QStringLiteral("Q:\\nowhere"));  // a drive that stands for nothing
    QCOMPARE(w.msgHeadings, QStringList{"Cannot fix path"});
    QCOMPARE(w.msgMessages, QStringList{"Some ERROR. Cannot repair. Please do it on your side..."});
    QCOMPARE(w.edit("PastePad")->text(), QStringLiteral("Q:\\nowhere"));
    QCOMPARE(w.window->values().pickFolder, w.world.home() + QStringLiteral("a/"));
  }

  void helpTextIsReadFromTheProgramFolder() {
    World w;
    w.world.writeFile(w.world.appFolder() + QStringLiteral("AssHP.rtf"),
                      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 How it works\\par Right-click a file.}");
    w.openFor(QStringLiteral("txt"));
    auto* help = w.get<QTextBrowser>(QStringLiteral("AssHP"));
    QCOMPARE(help->toPlainText(), QStringLiteral("How it works\nRight-click a file."));
    w.press(3);
    QVERIFY(!w.visible(QStringLiteral("SocPan")));
    QVERIFY(help->toPlainText().isEmpty());
  }
};

QUILMO_PANEL_TEST(AssociationPanelTest)
#include "AssociationPanelTest.moc"
