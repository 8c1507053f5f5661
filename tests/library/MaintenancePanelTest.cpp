// The maintenance buttons beside the disc list, driven through their controls.
#include <QComboBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "library/DiscListBox.h"
#include "library/DiscListFile.h"
#include "library/MaintenancePanel.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6;
constexpr int kCancel = 2;
const QColor kGrey(224, 224, 224);
}  // namespace

class MaintenancePanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::MaintenancePanel* panel = nullptr;
  int viewCleared = 0;
  int discsOpened = 0;

  QString data(const QString& name) const { return world->dataPath() + name; }
  QByteArray listBytes() const { return TempWorld::readFile(data(QStringLiteral("QM.tex"))); }
  QComboBox* tex() { return window->get<QComboBox>(QStringLiteral("TeX")); }
  QListWidget* dmdLys() { return window->get<QListWidget>(QStringLiteral("DmDLys")); }
  QWidget* dmd() { return window->get<QWidget>(QStringLiteral("DmD")); }
  QColor backOf(const QString& name) {
    QWidget* w = window->get<QWidget>(name);
    return w->palette().color(w->backgroundRole());
  }
  void press(int index) { QTest::mouseClick(window->get<QPushButton>(QStringLiteral("SSPanel1(%1)").arg(index)), Qt::LeftButton); }
  QStringList texItems() {
    QStringList items;
    for (int i = 0; i < tex()->count(); ++i) items += tex()->itemText(i);
    return items;
  }
  void select(const QString& name) { tex()->setCurrentIndex(tex()->findText(name)); }
  bool exists(const QString& name) const { return QFile::exists(data(name)); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    world->writeFile(data(QStringLiteral("QM.tex")), "Gamma\r\nAlpha\r\nbeta\r\n");
    for (const char* disc : {"Alpha", "beta", "Gamma"})
      world->writeFile(data(QString::fromLatin1(disc) + QStringLiteral(".rtf")), "\"E:\\\",\"a.txt\"\r\n");
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->discSettings().setValue(QStringLiteral("Alpha"), QStringLiteral("Size"), QStringLiteral("700 MB"));
    panels::refillSorted(*tex(), library::readDiscList(world->dataPath()));
    window->get<QComboBox>(QStringLiteral("FTex"))->addItems({QStringLiteral("word"), QStringLiteral("other")});
    panel = panels::attachMaintenance(*window);
    viewCleared = discsOpened = 0;
    panel->clearView = [this] { ++viewCleared; };
    panel->openDisc = [this] { ++discsOpened; };
  }

  void cleanup() {
    QCOMPARE(window->msgUnanswered, 0);
    QCOMPARE(window->scripted.unanswered, 0);
    window.reset();
    world.reset();
  }

  void listIsSortedAndHintsFollowThePointer() {
    QCOMPARE(texItems(), (QStringList{"Alpha", "beta", "Gamma"}));
    QPointF at(2, 2);
    QEnterEvent enter(at, at, at);
    QApplication::sendEvent(window->get<QPushButton>(QStringLiteral("SSPanel1(1)")), &enter);
    QCOMPARE(window->hint, QStringLiteral("Press F5 to setfocus on the list/ Click to RENAME current disc"));
    QApplication::sendEvent(window->get<QPushButton>(QStringLiteral("SSPanel1(7)")), &enter);
    QCOMPARE(window->hint, QStringLiteral("DELETE the selected discs and close this box"));
  }

  void openRunsTheLoad() {
    press(2);
    QCOMPARE(discsOpened, 1);
    press(0);  // "-F2" does nothing on a click
    QCOMPARE(discsOpened, 1);
  }

  void renameMovesCatalogueListAndSize() {
    select(QStringLiteral("Alpha"));
    window->scripted.inputs = {QStringLiteral("Delta")};
    press(1);
    QCOMPARE(window->scripted.prompts, QStringList{"Rename current disc to:"});
    QVERIFY(window->scripted.messages.isEmpty());
    QVERIFY(exists(QStringLiteral("Delta.rtf")));
    QVERIFY(!exists(QStringLiteral("Alpha.rtf")));
    QCOMPARE(listBytes(), QByteArray("Gamma\r\nDelta\r\nbeta\r\n"));
    QCOMPARE(TempWorld::readFile(data(QStringLiteral("Qm.Tex.Bak"))), QByteArray("Gamma\r\nAlpha\r\nbeta\r\n"));
    QCOMPARE(texItems(), (QStringList{"beta", "Delta", "Gamma"}));
    QCOMPARE(tex()->currentText(), QStringLiteral("Delta"));
    QCOMPARE(backOf(QStringLiteral("DTel")), kGrey);
    QCOMPARE(window->discSettings().value(QStringLiteral("Delta"), QStringLiteral("Size")), QStringLiteral("700 MB"));
    QVERIFY(!window->discSettings().contains(QStringLiteral("Alpha"), QStringLiteral("Size")));
  }

  void renameThatChangesNothing() {
    select(QStringLiteral("Alpha"));
    const QByteArray before = listBytes();
    // Cancelled, the same name in other letters, a name already listed.
    window->scripted.inputs = {std::nullopt, QStringLiteral("ALPHA"), QStringLiteral("gamma")};
    press(1);
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].startsWith(QStringLiteral("Want to DELETE? Well, Open your eyes")));
    press(1);
    QCOMPARE(window->scripted.messages.size(), 1);  // no word for the same name
    press(1);
    QCOMPARE(window->scripted.messages.size(), 2);
    QVERIFY(window->scripted.messages[1].contains(QStringLiteral("already in the list")));
    QCOMPARE(listBytes(), before);
    QVERIFY(exists(QStringLiteral("Alpha.rtf")));
    QVERIFY(!exists(QStringLiteral("Qm.Tex.Bak")));
    QCOMPARE(texItems(), (QStringList{"Alpha", "beta", "Gamma"}));
    QCOMPARE(backOf(QStringLiteral("DTel")) == kGrey, false);
  }

  void renameOfAMissingCatalogueSaysWhichStepFailed() {
    QFile::remove(data(QStringLiteral("beta.rtf")));
    select(QStringLiteral("beta"));
    window->scripted.inputs = {QStringLiteral("Beta2")};
    press(1);
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].startsWith(QStringLiteral("SSPanel1_click(1)-(53)\n")));
    QCOMPARE(listBytes(), QByteArray("Gamma\r\nAlpha\r\nBeta2\r\n"));  // the action went on
  }

  void deleteOneWithBothQuestions() {
    select(QStringLiteral("beta"));
    window->msgAnswers = {kYes};
    window->scripted.answers = {Answer::Yes};
    press(3);
    QCOMPARE(window->msgHeadings, QStringList{"DELETE the selected disc"});
    QCOMPARE(window->msgMessages[0], QStringLiteral("You are about to DELETE:\n\nbeta\n\nDo you want to continue?"));
    QCOMPARE(window->scripted.questions, QStringList{"DELETE disc COMPLETELY!!"});
    QVERIFY(!exists(QStringLiteral("beta.rtf")));
    QCOMPARE(listBytes(), QByteArray("Gamma\r\nAlpha\r\n"));
    QCOMPARE(texItems(), (QStringList{"Alpha", "Gamma"}));
    QCOMPARE(viewCleared, 1);
    QCOMPARE(backOf(QStringLiteral("Label4")), kGrey);
  }

  void deleteOneKeepingTheWorkspace() {
    QFile::remove(data(QStringLiteral("Gamma.rtf")));  // a missing catalogue is no error
    tex()->setEditText(QStringLiteral("gamma"));        // typed, not picked
    window->msgAnswers = {kYes};
    window->scripted.answers = {Answer::No};
    press(3);
    QVERIFY(window->scripted.messages.isEmpty());
    QCOMPARE(listBytes(), QByteArray("Alpha\r\nbeta\r\n"));
    QCOMPARE(texItems(), (QStringList{"Alpha", "beta"}));
    QCOMPARE(viewCleared, 0);
    QVERIFY(backOf(QStringLiteral("Label4")) != kGrey);
  }

  void deleteOneThatChangesNothing() {
    const QByteArray before = listBytes();
    select(QStringLiteral("Alpha"));
    window->msgAnswers = {kCancel};
    press(3);
    tex()->setEditText(QString());
    window->msgAnswers = {kYes};
    press(3);
    tex()->setEditText(QStringLiteral("Omega"));
    window->msgAnswers = {kYes};
    press(3);
    QCOMPARE(window->msgHeadings, (QStringList{"DELETE the selected disc", "ERROR", "ERROR"}));
    QCOMPARE(window->msgMessages[1], QStringLiteral("There is no disc selected to delete!"));
    QVERIFY(window->msgMessages[2].contains(QStringLiteral("Omega")));
    QCOMPARE(listBytes(), before);
    QVERIFY(exists(QStringLiteral("Alpha.rtf")));
    QCOMPARE(tex()->count(), 3);
    QVERIFY(window->scripted.questions.isEmpty());
  }

  void clearSearchWordsOnlyOnYes() {
    auto* ftex = window->get<QComboBox>(QStringLiteral("FTex"));
    window->msgAnswers = {kCancel, kYes};
    press(4);
    QCOMPARE(ftex->count(), 2);
    press(4);
    QCOMPARE(ftex->count(), 0);
    QCOMPARE(window->msgHeadings[0], QStringLiteral("Clear(DELETE) all search entries!!!"));
  }

  void deleteManyDiscs() {
    press(5);
    QVERIFY(dmd()->isVisible());
    QCOMPARE(dmdLys()->count(), 3);
    QCOMPARE(dmdLys()->item(0)->text(), QStringLiteral("Alpha"));
    dmdLys()->item(0)->setSelected(true);
    dmdLys()->item(2)->setSelected(true);

    window->msgAnswers = {kCancel};
    const QByteArray before = listBytes();
    press(7);
    QVERIFY(dmd()->isVisible());
    QCOMPARE(listBytes(), before);
    QVERIFY(exists(QStringLiteral("Alpha.rtf")));

    window->msgAnswers = {kYes};
    press(7);
    QCOMPARE(window->msgMessages[1],
             QStringLiteral("You are about to DELETE the selected discs in the list.\n\nDo you want to continue?"));
    QVERIFY(!exists(QStringLiteral("Alpha.rtf")));
    QVERIFY(!exists(QStringLiteral("Gamma.rtf")));
    QVERIFY(exists(QStringLiteral("beta.rtf")));
    QCOMPARE(listBytes(), QByteArray("beta\r\n"));
    QCOMPARE(texItems(), QStringList{"beta"});
    QVERIFY(!dmd()->isVisible());
    QCOMPARE(dmdLys()->count(), 0);
    QCOMPARE(backOf(QStringLiteral("Label4")), kGrey);
    QVERIFY(!window->discSettings().contains(QStringLiteral("Alpha"), QStringLiteral("Size")));
  }

  void deleteManyWithNothingMarkedClosesThePanel() {
    press(5);
    window->msgAnswers = {kYes};
    press(7);
    QCOMPARE(window->msgMessages, QStringList{"There is no disc selected to delete!"});
    QVERIFY(!dmd()->isVisible());
    QCOMPARE(dmdLys()->count(), 0);
    QCOMPARE(tex()->count(), 3);
    press(5);
    press(6);  // "X" only closes
    QVERIFY(!dmd()->isVisible());
  }

  void undoPutsTheLastListBack() {
    window->scripted.answers = {Answer::Yes};
    panel->undoLastListChange();  // no change yet: nothing to put back
    QCOMPARE(window->scripted.messages.size(), 1);

    select(QStringLiteral("beta"));
    window->msgAnswers = {kYes};
    window->scripted.answers = {Answer::No, Answer::No};
    press(3);
    const QByteArray afterDelete = listBytes();
    panel->undoLastListChange();  // answered No
    QCOMPARE(listBytes(), afterDelete);

    window->scripted.answers = {Answer::Yes};
    panel->undoLastListChange();
    QCOMPARE(window->scripted.questions.last(), QStringLiteral("Undo last change to the disc list"));
    QCOMPARE(listBytes(), QByteArray("Gamma\r\nAlpha\r\nbeta\r\n"));
    QCOMPARE(texItems(), (QStringList{"Alpha", "beta", "Gamma"}));
  }
};

QTEST_MAIN(MaintenancePanelTest)
#include "MaintenancePanelTest.moc"
