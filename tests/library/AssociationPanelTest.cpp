// The associations panel SocPan and its program picker, in the real window. Which lines
// are refused is AssociationTableTest's; here a refusal is said and stores nothing.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

#include "library/AssociationPanel.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;

namespace {

struct World : test::WindowHarness {
  World() {
    writeData("QM.soc", "txt /usr/bin/edit\r\njpg /usr/bin/view\r\n");
    start();
  }
  QLineEdit* edit(const char* name) const { return get<QLineEdit>(name); }
  void press(int index) const { click(QStringLiteral("SoCCom(%1)").arg(index)); }
  void clickLine(const char* name, int row) const {
    auto* box = get<QListWidget>(name);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
  }
  void type(const QString& line) const {
    edit("SoCTeX")->clear();
    QTest::keyClicks(edit("SoCTeX"), line);
  }
  void paste(const QString& text) const {
    edit("PastePad")->setText(text);
    QTest::keyClick(edit("PastePad"), Qt::Key_Return);
  }
  void openFor(const QString& type) const { window->findChild<panels::AssociationPanel*>()->openFor(type); }
};
}  // namespace

class AssociationPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void editsDeletionsAndUndoAreStored() {
    World w;
    QCOMPARE(w.entries("SoCLys"), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/edit"}));
    w.clickLine("SoCLys", 1);
    QCOMPARE(w.edit("SoCTeX")->text(), QString("txt /usr/bin/edit"));
    w.type("txt /usr/bin/xdg-open");
    w.press(1);
    QCOMPARE(w.entries("SoCLys"), (QStringList{"jpg /usr/bin/view", "txt /usr/bin/xdg-open"}));

    w.clickLine("SoCLys", 0);
    w.press(2);
    QCOMPARE(w.dataFile("QM.soc"), QByteArray("txt /usr/bin/xdg-open\r\n"));

    // Undo (a right click on the lines): the deleted line comes back into the association
    // line, and "EDITed" stores it.
    w.msgAnswers = {Answer::Yes};
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(w.get<QListWidget>("SoCLys")->viewport(), &event);
    QCOMPARE(w.msgHeadings, QStringList{"Undo Last Deletion"});
    QCOMPARE(w.edit("SoCTeX")->text(), QString("jpg /usr/bin/view"));
    w.get<QListWidget>("SoCLys")->clearSelection();
    w.press(1);
    QCOMPARE(w.dataFile("QM.soc"), QByteArray("jpg /usr/bin/view\r\ntxt /usr/bin/xdg-open\r\n"));

    // A refused line, or nothing selected to delete: said, and nothing stored.
    w.type("notepad");
    w.press(1);
    w.get<QListWidget>("SoCLys")->clearSelection();
    w.press(2);
    QCOMPARE(w.dialogs.messages.size(), 2);
    QCOMPARE(w.entries("SoCLys").size(), 2);
    QCOMPARE(w.unanswered(), 0);
  }

  void selectStoresThePickedProgramForTheType() {
    World w;
    const QString tools = w.world.folder("home/tools");
    w.world.writeFile(tools + "edit tool", "#!/bin/sh\n");
    QFile::setPermissions(tools + "edit tool", QFile::ReadOwner | QFile::ExeOwner);
    for (const char* other : {"OLD.EXE", "readme.txt"}) w.world.writeFile(tools + other, "");

    // The help that ships beside the program (the program folder is another one), formatted.
    w.openFor("doc");
    auto* help = w.get<QTextBrowser>("AssHP");
    QVERIFY(help->toPlainText().startsWith("How associations work\n\nQuilmo does not ask"));
    const auto formatOf = [&](const QString& text) { return help->document()->find(text).charFormat(); };
    QCOMPARE(formatOf("How associations work").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf("How associations work").fontPointSize() > formatOf("Quilmo does not ask").fontPointSize());
    QCOMPARE(formatOf("Quilmo does not ask").fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf("The file type").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf("report.txt").fontItalic());
    // The program folder's own help comes first.
    w.world.writeFile(w.world.appFolder() + "AssHP.rtf", "{\\rtf1\\ansi\\f0 How it works\\par Right-click a file.}");
    w.openFor("doc");
    QCOMPARE(help->toPlainText(), QString("How it works\nRight-click a file."));
    w.press(0);  // "NEW": the picker opens on drive C
    QVERIFY(w.visible("AddNew"));
    QVERIFY(w.get<QComboBox>("Drive2")->currentText().startsWith("C: "));
    auto* Dir2 = w.get<QListWidget>("Dir2");
    const QPoint row = Dir2->visualItemRect(Dir2->findItems("tools", Qt::MatchExactly).value(0)).center();
    QTest::mouseClick(Dir2->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(Dir2->viewport(), Qt::LeftButton, {}, row);
    QCOMPARE(w.entries("File2"), (QStringList{"edit tool", "OLD.EXE"}));  // programs only
    QCOMPARE(w.window->values().pickFolder, tools);

    w.clickLine("File2", 0);
    w.press(4);
    QVERIFY(w.dataFile("QM.soc").endsWith(("doc " + tools + "edit tool\r\n").toUtf8()));
    QCOMPARE(w.entries("EXLys"), QStringList{"doc"});
    w.press(3);  // "OK" closes, and lets the help text go
    QVERIFY(!w.visible("SocPan"));
    QVERIFY(help->toPlainText().isEmpty());
  }

  void pastedPathIsCutBackToAnExistingFolder() {
    World w;
    w.world.folder("home/a");
    w.press(0);
    w.paste("C:\\a\\b\\c");
    QCOMPARE(w.edit("PastePad")->text(), QString("C:\\a"));
    QCOMPARE(w.window->values().pickFolder, w.world.home() + "a/");

    w.msgAnswers = {Answer::Yes};
    w.paste("Q:\\nowhere");  // a drive that stands for nothing
    QCOMPARE(w.msgHeadings, QStringList{"Cannot fix path"});
    QCOMPARE(w.window->values().pickFolder, w.world.home() + "a/");
  }
};

QUILMO_PANEL_TEST(AssociationPanelTest)
#include "AssociationPanelTest.moc"
