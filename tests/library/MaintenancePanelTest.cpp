// The maintenance buttons beside the disc list, in the real window.
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {
const QColor kGrey(224, 224, 224);
const QByteArray kList = "Gamma\r\nAlpha\r\nbeta\r\n";

// Three discs listed, each with its catalogue; Alpha has a size on record.
struct World : WindowHarness {
  World() {
    writeData(QStringLiteral("QM.tex"), kList);
    for (const char* disc : {"Alpha", "beta", "Gamma"})
      writeData(QString::fromLatin1(disc) + QStringLiteral(".rtf"), "\"E:\\\",\"a.txt\"\r\n");
    start();
    window->discSettings().setValue(QStringLiteral("Alpha"), QStringLiteral("Size"), QStringLiteral("700 MB"));
  }
  QByteArray list() const { return dataFile(QStringLiteral("QM.tex")); }
  bool exists(const QString& name) const { return QFile::exists(data(name)); }
  void press(int index) const { click(QStringLiteral("SSPanel1(%1)").arg(index)); }
  void select(const QString& name) const {
    auto* TeX = get<QComboBox>(QStringLiteral("TeX"));
    TeX->setCurrentIndex(TeX->findText(name));
  }
  QColor back(const QString& name) const { return get(name)->palette().color(QPalette::Window); }
};
}  // namespace

class MaintenancePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void renameMovesCatalogueListAndSize() {
    World w;
    w.select(QStringLiteral("Alpha"));
    // Cancelled, the same name in other letters, a name already listed: nothing changes.
    w.dialogs.inputs = {std::nullopt, QStringLiteral("ALPHA"), QStringLiteral("gamma")};
    for (int i = 0; i < 3; ++i) w.press(1);
    QCOMPARE(w.dialogs.messages.size(), 2);
    QVERIFY(w.dialogs.messages[0].startsWith(QStringLiteral("Want to DELETE? Well, Open your eyes")));
    QVERIFY(w.dialogs.messages[1].contains(QStringLiteral("already in the list")));
    QCOMPARE(w.list(), kList);
    QVERIFY(w.back(QStringLiteral("DTel")) != kGrey);

    w.dialogs.inputs = {QStringLiteral("Delta")};
    w.press(1);
    QCOMPARE(w.dialogs.prompts.last(), QStringLiteral("Rename current disc to:"));
    QCOMPARE(w.dialogs.messages.size(), 2);
    QVERIFY(w.exists(QStringLiteral("Delta.rtf")));
    QVERIFY(!w.exists(QStringLiteral("Alpha.rtf")));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nDelta\r\nbeta\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"beta", "Delta", "Gamma"}));
    QCOMPARE(w.get<QComboBox>(QStringLiteral("TeX"))->currentText(), QStringLiteral("Delta"));
    QCOMPARE(w.back(QStringLiteral("DTel")), kGrey);
    QCOMPARE(w.window->discSettings().value(QStringLiteral("Delta"), QStringLiteral("Size")), QStringLiteral("700 MB"));
    QVERIFY(!w.window->discSettings().contains(QStringLiteral("Alpha"), QStringLiteral("Size")));

    // A missing catalogue: the failing step is named and the rename goes on.
    QFile::remove(w.data(QStringLiteral("beta.rtf")));
    w.select(QStringLiteral("beta"));
    w.dialogs.inputs = {QStringLiteral("Beta2")};
    w.press(1);
    QVERIFY(w.dialogs.messages.last().startsWith(QStringLiteral("SSPanel1_click(1)-(53)\n")));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nDelta\r\nBeta2\r\n"));
    QCOMPARE(w.unanswered(), 0);
  }

  void deleteOneAsksTwiceAndKeepsTheWorkspaceOnNo() {
    World w;
    w.select(QStringLiteral("beta"));
    w.msgAnswers = {Answer::Yes};
    w.dialogs.answers = {Answer::Yes};
    w.press(3);
    QCOMPARE(w.msgHeadings, QStringList{"DELETE the selected disc"});
    QCOMPARE(w.msgMessages[0], QStringLiteral("You are about to DELETE:\n\nbeta\n\nDo you want to continue?"));
    QCOMPARE(w.dialogs.questions, QStringList{"DELETE disc COMPLETELY!!"});
    QVERIFY(!w.exists(QStringLiteral("beta.rtf")));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nAlpha\r\n"));
    QCOMPARE(w.back(QStringLiteral("Label4")), kGrey);

    QFile::remove(w.data(QStringLiteral("Gamma.rtf")));  // a missing catalogue is no error
    w.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QStringLiteral("gamma"));  // typed, not picked
    w.msgAnswers = {Answer::Yes};
    w.dialogs.answers = {Answer::No};
    w.press(3);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.list(), QByteArray("Alpha\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), QStringList{"Alpha"});
    QCOMPARE(w.unanswered(), 0);
  }

  void deleteOneThatChangesNothing() {
    World w;
    auto* TeX = w.get<QComboBox>(QStringLiteral("TeX"));
    w.select(QStringLiteral("Alpha"));
    w.msgAnswers = {Answer::Cancel, Answer::Yes, Answer::Yes};
    w.press(3);
    TeX->setEditText(QString());
    w.press(3);
    TeX->setEditText(QStringLiteral("Omega"));
    w.press(3);
    QCOMPARE(w.msgHeadings, (QStringList{"DELETE the selected disc", "ERROR", "ERROR"}));
    QCOMPARE(w.msgMessages[1], QStringLiteral("There is no disc selected to delete!"));
    QVERIFY(w.msgMessages[2].contains(QStringLiteral("Omega")));
    QCOMPARE(w.list(), kList);
    QVERIFY(w.exists(QStringLiteral("Alpha.rtf")));
    QCOMPARE(TeX->count(), 3);
    QVERIFY(w.dialogs.questions.isEmpty());
    QCOMPARE(w.unanswered(), 0);
  }

  void clearSearchWordsOnlyOnYes() {
    World w;
    auto* FTex = w.get<QComboBox>(QStringLiteral("FTex"));
    FTex->addItems({QStringLiteral("word"), QStringLiteral("other")});
    w.msgAnswers = {Answer::Cancel, Answer::Yes};
    w.press(4);
    QCOMPARE(FTex->count(), 2);
    w.press(4);
    QCOMPARE(FTex->count(), 0);
    QCOMPARE(w.msgHeadings[0], QStringLiteral("Clear(DELETE) all search entries!!!"));
  }

  void deleteManyDiscs() {
    World w;
    auto* DmDLys = w.get<QListWidget>(QStringLiteral("DmDLys"));
    w.press(5);
    w.msgAnswers = {Answer::Yes};
    w.press(7);  // nothing marked: said, and the panel closes
    QCOMPARE(w.msgMessages, QStringList{"There is no disc selected to delete!"});
    QVERIFY(!w.visible(QStringLiteral("DmD")));

    w.press(5);
    QVERIFY(w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.entries(QStringLiteral("DmDLys")), (QStringList{"Alpha", "beta", "Gamma"}));
    DmDLys->item(0)->setSelected(true);
    DmDLys->item(2)->setSelected(true);
    w.msgAnswers = {Answer::Cancel, Answer::Yes};
    w.press(7);
    QVERIFY(w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.list(), kList);
    w.press(7);
    QCOMPARE(w.msgMessages.last(),
             QStringLiteral("You are about to DELETE the selected discs in the list.\n\nDo you want to continue?"));
    QVERIFY(!w.exists(QStringLiteral("Alpha.rtf")));
    QVERIFY(!w.exists(QStringLiteral("Gamma.rtf")));
    QVERIFY(w.exists(QStringLiteral("beta.rtf")));
    QCOMPARE(w.list(), QByteArray("beta\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), QStringList{"beta"});
    QVERIFY(!w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.back(QStringLiteral("Label4")), kGrey);
    QVERIFY(!w.window->discSettings().contains(QStringLiteral("Alpha"), QStringLiteral("Size")));
    w.press(5);
    w.press(6);  // "X" only closes
    QVERIFY(!w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.unanswered(), 0);
  }

  void undoPutsTheLastListBack() {
    World w;
    w.select(QStringLiteral("beta"));
    w.msgAnswers = {Answer::Yes};
    w.dialogs.answers = {Answer::No, Answer::No};
    w.press(3);
    const QByteArray afterDelete = w.list();
    w.click(QStringLiteral("UndoList"));  // answered No
    QCOMPARE(w.list(), afterDelete);
    w.dialogs.answers = {Answer::Yes};
    w.click(QStringLiteral("UndoList"));
    QCOMPARE(w.dialogs.questions.last(), QStringLiteral("Undo last change to the disc list"));
    QCOMPARE(w.list(), kList);
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Alpha", "beta", "Gamma"}));
  }
};

QUILMO_PANEL_TEST(MaintenancePanelTest)
#include "MaintenancePanelTest.moc"
