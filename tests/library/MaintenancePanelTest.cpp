// The maintenance buttons beside the disc list, in the real window. The rules of renaming
// and deleting are DiscMaintenanceTest's; here the questions, messages and the list shown.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QtTest>

#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;

namespace {
const QColor kGrey(224, 224, 224);
const QByteArray kList = "Gamma\r\nAlpha\r\nbeta\r\n";
QByteArray catalogueOf(const QString& disc) { return "\"E:\\\",\"" + disc.toUtf8() + ".txt\"\r\n"; }

struct World : test::WindowHarness {
  World() {
    writeData("QM.tex", kList);
    for (const char* disc : {"Alpha", "beta", "Gamma"}) writeData(QString(disc) + ".rtf", catalogueOf(disc));
    start();
  }
  QByteArray list() const { return dataFile("QM.tex"); }
  void press(int index) const { click(QStringLiteral("SSPanel1(%1)").arg(index)); }
  void select(const char* name) const { get<QComboBox>("TeX")->setCurrentIndex(entries("TeX").indexOf(name)); }
  QColor back(const char* name) const { return get(name)->palette().color(QPalette::Window); }
  void pick(const char* name) {  // loads the disc into the view, as the user does
    select(name);
    dialogs.answers.prepend(Answer::Yes);  // in this program
    Q_EMIT get<QComboBox>("TeX")->activated(get<QComboBox>("TeX")->currentIndex());
  }
  QString viewedFile() const { return QFileInfo(get<CatalogueView>("RtB")->filePath()).fileName(); }
  // What TeX names, the caption, and the first line in view must tell one story.
  QString shown() const {
    return get<QComboBox>("TeX")->currentText() + " | " + window->windowTitle() + " | " +
           get<CatalogueView>("RtB")->text().section('\n', 0, 0);
  }
};
}  // namespace

class MaintenancePanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void renameAsksForTheNameAndShowsTheNewList() {
    World w;
    w.select("Alpha");
    w.dialogs.inputs = {std::nullopt, "gamma", "Delta"};
    w.press(1);
    w.press(1);
    QCOMPARE(w.dialogs.messages.size(), 2);
    QVERIFY(w.dialogs.messages[0].startsWith("Want to DELETE? Well, Open your eyes"));
    QVERIFY(w.dialogs.messages[1].contains("already in the list"));
    w.pick("Alpha");
    w.press(1);
    QCOMPARE(w.list(), QByteArray("beta\r\nDelta\r\nGamma\r\n"));  // written as TeX shows it, sorted
    QCOMPARE(w.entries("TeX"), (QStringList{"beta", "Delta", "Gamma"}));
    QCOMPARE(w.shown(), QString("Delta | Quilmo [Delta.rtf ] | \"E:\\\",\"Alpha.txt\""));
    QCOMPARE(w.viewedFile(), QString("Delta.rtf"));  // so the view still knows its disc
    QCOMPARE(w.back("DTel"), kGrey);

    // Undo brings back the name, the catalogue and the size together; it is done once.
    w.dialogs.answers = {Answer::Yes};
    w.click("UndoList");
    QCOMPARE(w.list(), kList);
    QCOMPARE(w.dataFile("Alpha.rtf"), catalogueOf("Alpha"));
    QVERIFY(!QFile::exists(w.data("Delta.rtf")));
    QCOMPARE(w.shown(), QString("Alpha | Quilmo [Alpha.rtf ] | \"E:\\\",\"Alpha.txt\""));
    QCOMPARE(w.viewedFile(), QString("Alpha.rtf"));
    w.dialogs.answers = {Answer::Yes};
    w.click("UndoList");
    QVERIFY(w.dialogs.messages.last().startsWith("There is no change of the disc list to undo."));

    // A missing catalogue: the failing step is named and the rename goes on.
    QFile::remove(w.data("beta.rtf"));
    w.select("beta");
    w.dialogs.inputs = {"Beta2"};
    w.press(1);
    QVERIFY(w.dialogs.messages.last().startsWith("SSPanel1_click(1)-(53)\n"));
    QCOMPARE(w.list(), QByteArray("Alpha\r\nBeta2\r\nGamma\r\n"));
    QCOMPARE(w.unanswered(), 0);
  }

  void deleteOneAsksTwiceKeepsTeXOnTheDiscInViewAndUndoBringsItBack() {
    World w;
    w.msgAnswers = {Answer::Yes, Answer::Cancel, Answer::Yes, Answer::Yes};
    w.get<QComboBox>("TeX")->setEditText("Omega");
    w.press(3);
    w.pick("beta");
    w.press(3);  // cancelled
    QCOMPARE(w.list(), kList);
    w.dialogs.answers = {Answer::Yes};
    w.press(3);
    QCOMPARE(w.msgHeadings, (QStringList{"ERROR", "DELETE the selected disc", "DELETE the selected disc"}));
    QVERIFY(w.msgMessages[0].contains("Omega"));
    QCOMPARE(w.msgMessages[2], QString("You are about to DELETE:\n\nbeta\n\nDo you want to continue?"));
    QCOMPARE(w.dialogs.questions.last(), QString("DELETE disc COMPLETELY!!"));
    QCOMPARE(w.list(), QByteArray("Alpha\r\nGamma\r\n"));
    QCOMPARE(w.back("Label4"), kGrey);
    QCOMPARE(w.shown(), QString(" | Quilmo [ ] | "));  // the workspace cleared

    w.pick("Alpha");
    w.dialogs.answers = {Answer::No, Answer::No, Answer::Yes};
    w.press(3);
    QCOMPARE(w.entries("TeX"), QStringList{"Gamma"});
    // The catalogue stays in view, and TeX and the caption keep naming it: not the next disc.
    QCOMPARE(w.shown(), QString("Alpha | Quilmo [Alpha.rtf ] | \"E:\\\",\"Alpha.txt\""));
    w.click("UndoList");  // answered No
    QCOMPARE(w.list(), QByteArray("Gamma\r\n"));
    w.click("UndoList");
    QCOMPARE(w.dialogs.questions.last(), QString("Undo last change to the disc list"));
    QCOMPARE(w.entries("TeX"), (QStringList{"Alpha", "Gamma"}));
    QCOMPARE(w.dataFile("Alpha.rtf"), catalogueOf("Alpha"));
    QCOMPARE(w.shown(), QString("Alpha | Quilmo [Alpha.rtf ] | \"E:\\\",\"Alpha.txt\""));
    QCOMPARE(w.unanswered(), 0);
  }

  void deleteManyDeletesTheMarkedDiscs() {
    World w;
    w.msgAnswers = {Answer::Yes, Answer::Cancel, Answer::Yes};
    w.press(5);
    w.press(7);  // nothing marked: said, and the panel closes
    QCOMPARE(w.msgMessages, QStringList{"There is no disc selected to delete!"});
    QVERIFY(!w.visible("DmD"));
    w.press(5);
    QCOMPARE(w.entries("DmDLys"), (QStringList{"Alpha", "beta", "Gamma"}));
    for (int row : {0, 2}) w.get<QListWidget>("DmDLys")->item(row)->setSelected(true);
    w.press(7);  // cancelled
    QCOMPARE(w.list(), kList);
    w.pick("Alpha");
    w.press(7);
    QCOMPARE(w.msgMessages.last(),
             QString("You are about to DELETE the selected discs in the list.\n\nDo you want to continue?"));
    QCOMPARE(w.entries("TeX"), QStringList{"beta"});
    QCOMPARE(w.shown(), QString("Alpha | Quilmo [Alpha.rtf ] | \"E:\\\",\"Alpha.txt\""));  // the view is left
    QVERIFY(!w.visible("DmD"));
    QCOMPARE(w.back("Label4"), kGrey);
    w.press(5);
    w.press(6);  // "X" only closes
    QVERIFY(!w.visible("DmD"));
    QCOMPARE(w.unanswered(), 0);
  }

  void clearSearchWordsOnlyOnYes() {
    World w;
    w.msgAnswers = {Answer::Cancel, Answer::Yes};
    auto* FTex = w.get<QComboBox>("FTex");
    FTex->addItems({"word", "other"});
    w.press(4);  // cancelled
    QCOMPARE(FTex->count(), 2);
    w.press(4);
    QCOMPARE(FTex->count(), 0);
    QCOMPARE(w.msgHeadings.last(), QString("Clear(DELETE) all search entries!!!"));
  }
};

QUILMO_PANEL_TEST(MaintenancePanelTest)
#include "MaintenancePanelTest.moc"
