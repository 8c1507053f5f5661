// The maintenance buttons beside the disc list, in the real window. The rules of renaming
// and deleting are DiscMaintenanceTest's; here the questions, messages and the list shown.
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

struct World : WindowHarness {
  World() {
    writeData(QStringLiteral("QM.tex"), kList);
    for (const char* disc : {"Alpha", "beta", "Gamma"})
      writeData(QString::fromLatin1(disc) + QStringLiteral(".rtf"), "\"E:\\\",\"a.txt\"\r\n");
    start();
  }
  QByteArray list() const { return dataFile(QStringLiteral("QM.tex")); }
  bool exists(const char* name) const { return QFile::exists(data(QString::fromLatin1(name))); }
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
  void renameAsksForTheNameAndShowsTheNewList() {
    World w;
    w.select(QStringLiteral("Alpha"));
    w.dialogs.inputs = {std::nullopt, QStringLiteral("gamma"), QStringLiteral("Delta")};
    w.press(1);
    w.press(1);
    QCOMPARE(w.dialogs.messages.size(), 2);
    QVERIFY(w.dialogs.messages[0].startsWith(QStringLiteral("Want to DELETE? Well, Open your eyes")));
    QVERIFY(w.dialogs.messages[1].contains(QStringLiteral("already in the list")));
    QVERIFY(w.back(QStringLiteral("DTel")) != kGrey);
    w.press(1);
    QCOMPARE(w.dialogs.prompts.last(), QStringLiteral("Rename current disc to:"));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nDelta\r\nbeta\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"beta", "Delta", "Gamma"}));
    QCOMPARE(w.get<QComboBox>(QStringLiteral("TeX"))->currentText(), QStringLiteral("Delta"));
    QCOMPARE(w.back(QStringLiteral("DTel")), kGrey);

    // A missing catalogue: the failing step is named and the rename goes on.
    QFile::remove(w.data(QStringLiteral("beta.rtf")));
    w.select(QStringLiteral("beta"));
    w.dialogs.inputs = {QStringLiteral("Beta2")};
    w.press(1);
    QVERIFY(w.dialogs.messages.last().startsWith(QStringLiteral("SSPanel1_click(1)-(53)\n")));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nDelta\r\nBeta2\r\n"));
    QCOMPARE(w.unanswered(), 0);
  }

  void deleteOneAsksTwiceAndUndoPutsTheListBack() {
    World w;
    auto* TeX = w.get<QComboBox>(QStringLiteral("TeX"));
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::Cancel, Answer::Yes, Answer::Yes};
    TeX->setEditText(QString());
    w.press(3);
    TeX->setEditText(QStringLiteral("Omega"));
    w.press(3);
    w.select(QStringLiteral("beta"));
    w.press(3);  // cancelled
    QCOMPARE(w.list(), kList);
    w.dialogs.answers = {Answer::Yes};
    w.press(3);
    QCOMPARE(w.msgHeadings, (QStringList{"ERROR", "ERROR", "DELETE the selected disc", "DELETE the selected disc"}));
    QCOMPARE(w.msgMessages[0], QStringLiteral("There is no disc selected to delete!"));
    QVERIFY(w.msgMessages[1].contains(QStringLiteral("Omega")));
    QCOMPARE(w.msgMessages[3], QStringLiteral("You are about to DELETE:\n\nbeta\n\nDo you want to continue?"));
    QCOMPARE(w.dialogs.questions, QStringList{"DELETE disc COMPLETELY!!"});
    QVERIFY(!w.exists("beta.rtf"));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nAlpha\r\n"));
    QCOMPARE(w.back(QStringLiteral("Label4")), kGrey);

    QFile::remove(w.data(QStringLiteral("Gamma.rtf")));  // a missing catalogue is no error
    TeX->setEditText(QStringLiteral("gamma"));             // typed, not picked
    w.dialogs.answers = {Answer::No, Answer::No, Answer::Yes};
    w.press(3);
    QVERIFY(w.dialogs.messages.isEmpty());
    QCOMPARE(w.entries(QStringLiteral("TeX")), QStringList{"Alpha"});

    w.click(QStringLiteral("UndoList"));  // answered No
    QCOMPARE(w.list(), QByteArray("Alpha\r\n"));
    w.click(QStringLiteral("UndoList"));
    QCOMPARE(w.dialogs.questions.last(), QStringLiteral("Undo last change to the disc list"));
    QCOMPARE(w.list(), QByteArray("Gamma\r\nAlpha\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Alpha", "Gamma"}));
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

  void deleteManyDeletesTheMarkedDiscs() {
    World w;
    auto* DmDLys = w.get<QListWidget>(QStringLiteral("DmDLys"));
    w.msgAnswers = {Answer::Yes, Answer::Cancel, Answer::Yes};
    w.press(5);
    w.press(7);  // nothing marked: said, and the panel closes
    QCOMPARE(w.msgMessages, QStringList{"There is no disc selected to delete!"});
    QVERIFY(!w.visible(QStringLiteral("DmD")));

    w.press(5);
    QCOMPARE(w.entries(QStringLiteral("DmDLys")), (QStringList{"Alpha", "beta", "Gamma"}));
    DmDLys->item(0)->setSelected(true);
    DmDLys->item(2)->setSelected(true);
    w.press(7);  // cancelled
    QVERIFY(w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.list(), kList);
    w.press(7);
    QCOMPARE(w.msgMessages.last(),
             QStringLiteral("You are about to DELETE the selected discs in the list.\n\nDo you want to continue?"));
    QVERIFY(!w.exists("Alpha.rtf") && !w.exists("Gamma.rtf") && w.exists("beta.rtf"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), QStringList{"beta"});
    QVERIFY(!w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.back(QStringLiteral("Label4")), kGrey);
    w.press(5);
    w.press(6);  // "X" only closes
    QVERIFY(!w.visible(QStringLiteral("DmD")));
    QCOMPARE(w.unanswered(), 0);
  }
};

QUILMO_PANEL_TEST(MaintenancePanelTest)
#include "MaintenancePanelTest.moc"
