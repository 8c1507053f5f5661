// Creating a disc from the real window, with a temporary folder mapped as drive E.
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "capture/CreationClaim.h"
#include "capture/DiscCreation.h"
#include "widgets/CatalogueView.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::WindowHarness;

namespace {
const QByteArray kList = "Gamma\r\nAlpha\r\n";
const QByteArray kOldGamma = "\"E:\\\",\"old.txt\"\r\n1 files :  folders\r\n";
const QByteArray kCatalogue =
    "\"E:\\\",\"a.txt\"\r\n\"E:\\DOCS\\\",\"Read me, first.txt\"\r\n2 files : 1 folders\r\n";

// A window whose disc list holds Gamma and Alpha, with a two-file disc in drive E.
struct World : WindowHarness {
  World() {
    const QString disc = world.folder(QStringLiteral("disc"));
    world.writeFile(disc + QStringLiteral("a.txt"), "");
    world.writeFile(disc + QStringLiteral("DOCS/Read me, first.txt"), "");
    writeData(QStringLiteral("QM.tex"), kList);
    writeData(QStringLiteral("Gamma.rtf"), kOldGamma);
    start();
    window->drives().overrideForRun(u'E', disc);
    window->values().discDrive = QStringLiteral("E");
  }
  QStringList dataFiles() const { return QDir(world.dataPath()).entryList(QDir::Files, QDir::Name); }
  QString newDiscFlag() const {
    return window->programSettings().value(QStringLiteral("Changes"), QStringLiteral("NewDisc"));
  }
  // The user types a name into TeX's edit line and presses Enter.
  void typeAndEnter(const QString& name) const {
    auto* TeX = get<QComboBox>(QStringLiteral("TeX"));
    TeX->setEditText(QString());
    QTest::keyClicks(TeX, name);
    QTest::keyClick(TeX, Qt::Key_Return);
  }
};

// A program that dies while it creates `name` leaves its claim behind.
void dieWhileCreating(const QString& dataPath, const QString& name) {
  const pid_t child = fork();
  if (child == 0) {
    CreationClaim claim(dataPath, name);
    _exit(claim.acquire() ? 0 : 1);  // no destructor: the claim stays as a kill leaves it
  }
  int status = 0;
  waitpid(child, &status, 0);
  QCOMPARE(WEXITSTATUS(status), 0);
}
}  // namespace

class CreationPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void newNameGoesStraightThroughInAutoMode() {
    World w;
    QSignalSpy captions(w.window.get(), &QWidget::windowTitleChanged);
    w.typeAndEnter(QStringLiteral("Photos"));
    QVERIFY(w.msgHeadings.isEmpty());
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Alpha", "Gamma", "Photos"}));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
    QCOMPARE(w.newDiscFlag(), QStringLiteral("True"));
    QCOMPARE(captions.first().first().toString(), QStringLiteral("Quilmo 2016 [Photos]"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [Photos.rtf ]"));
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Finished."));
    QCOMPARE(w.get(QStringLiteral("LaB"))->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(w.text(QStringLiteral("DirLab")), QStringLiteral("1"));
    QCOMPARE(w.text(QStringLiteral("FileLab")), QStringLiteral("2"));
    QCOMPARE(w.window->view()->lineCount(), 3);  // the new catalogue is loaded into the view
    QVERIFY(!w.visible(QStringLiteral("CrePan")));
    QVERIFY(!w.visible(QStringLiteral("UpPan")));
    QCOMPARE(w.unanswered(), 0);
  }

  void manualModeAsksAndAStoppedBuildLeavesTheNameListed() {
    World w;
    w.window->values().autoMode = false;
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::No};  // Autorun, Name Set, then No to "Just to make certain"
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.msgHeadings, (QStringList{"Autorun Message", "Name Set", "Just to make certain"}));
    QCOMPARE(w.msgMessages[2], QStringLiteral("The following drive will be build:\n\nDrive: [E]\n Name: [Photos].\n\n"
                                              "Do you want me to continue?"));
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QVERIFY(!QFile::exists(w.data(QStringLiteral("Photos.rtf"))));

    // Enter again, in other letters: the name is listed now, so it asks before rebuilding.
    w.msgHeadings.clear();
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes};
    w.typeAndEnter(QStringLiteral("PHOTOS"));
    QCOMPARE(w.msgHeadings, (QStringList{"Autorun Message", "Name EXISTS!!!", "Name Set", "Just to make certain"}));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
    QCOMPARE(w.unanswered(), 0);
  }

  void noDiscChangesNothing() {
    World w;
    const QStringList before = w.dataFiles();
    w.msgAnswers = {Answer::Yes, Answer::Yes};
    w.window->drives().overrideForRun(u'E', w.world.root() + QStringLiteral("missing"));
    w.typeAndEnter(QStringLiteral("Photos"));
    w.window->values().discDrive.clear();  // no drive chosen either
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.msgHeadings, (QStringList{"Disc ERROR", "Disc ERROR"}));
    QVERIFY(w.msgMessages[0].startsWith(QStringLiteral("An unforseen problem:\n1.   Disc in drive is blank\n")));
    QCOMPARE(w.dataFiles(), before);
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList);
    QCOMPARE(w.unanswered(), 0);
  }

  void existingNameInOtherLettersIsRebuiltOnlyOnYes() {
    World w;
    const QStringList before = w.dataFiles();
    w.msgAnswers = {Answer::No};
    w.typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(w.msgHeadings, QStringList{"Name EXISTS!!!"});
    QCOMPARE(w.msgMessages[0], QStringLiteral("The name already exists. Must I re-used the name?"));
    QCOMPARE(w.dataFile(QStringLiteral("Gamma.rtf")), kOldGamma);

    w.msgAnswers = {Answer::Yes};
    w.typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(w.dataFile(QStringLiteral("Gamma.rtf")), kCatalogue);  // one catalogue, whatever the letters
    QCOMPARE(w.dataFiles(), before);
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList);
    QCOMPARE(w.unanswered(), 0);
  }

  void nameAtTheTopOfTheListAsksToRebuildFirst() {
    World w;
    w.writeData(QStringLiteral("Alpha.rtf"), kOldGamma);
    w.dialogs.answers = {Answer::No, Answer::Yes, Answer::Yes};  // No rebuild: loaded into the view
    w.typeAndEnter(QStringLiteral("alpha"));
    QCOMPARE(w.dialogs.questions, (QStringList{"Disc with filename already exists", "Where to open disc"}));
    QVERIFY(w.window->view()->text().contains(QStringLiteral("old.txt")));
    QVERIFY(w.msgHeadings.isEmpty());

    w.msgAnswers = {Answer::Yes};
    w.typeAndEnter(QStringLiteral("alpha"));
    QCOMPARE(w.msgHeadings, QStringList{"Name EXISTS!!!"});
    QCOMPARE(w.dataFile(QStringLiteral("Alpha.rtf")), kCatalogue);
    QCOMPARE(w.unanswered(), 0);
  }

  void refusedNameChangesNothing() {
    World w;
    w.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QStringLiteral("Disc,2"));
    w.click(QStringLiteral("GCom(7)"));
    QCOMPARE(w.dialogs.messages.size(), 1);
    QVERIFY(w.dialogs.messages[0].contains(QStringLiteral("comma")));
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList);
  }

  void secondCreationDuringTheWalkIsRefused() {
    World w;
    // Polls at every yield; once the walk runs, the user presses Enter again.
    bool triedDuringWalk = false;
    bool creatingShown = false;
    QTimer poll;
    poll.setInterval(0);
    connect(&poll, &QTimer::timeout, this, [&] {
      if (!DiscCreation::isRunning() || triedDuringWalk) return;
      triedDuringWalk = true;
      QTest::keyClick(w.get(QStringLiteral("TeX")), Qt::Key_Return);
      w.click(QStringLiteral("GCom(7)"));
      creatingShown = w.visible(QStringLiteral("CrePan"));
    });
    poll.start();
    w.typeAndEnter(QStringLiteral("Photos"));
    poll.stop();
    QVERIFY(triedDuringWalk);
    QVERIFY(creatingShown);
    QCOMPARE(w.dialogs.messages, (QStringList{DiscCreation::busyMessage(), DiscCreation::busyMessage()}));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
  }

  void aCreationCutOffByAKillIsOfferedOnceAtTheNextStart() {
    quilmo::test::WindowHarness w;
    w.writeData(QStringLiteral("QM.tex"), "Lost\r\nGamma\r\nKept\r\n");
    w.writeData(QStringLiteral("Gamma.rtf"), kOldGamma);
    dieWhileCreating(w.world.dataPath(), QStringLiteral("Lost"));
    dieWhileCreating(w.world.dataPath(), QStringLiteral("Gamma"));  // its catalogue was written: nothing to ask
    w.dialogs.answers = {Answer::No};
    w.start();
    QTRY_COMPARE(w.dialogs.questions, QStringList{QStringLiteral("A disc was not finished")});
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), QByteArray("Gamma\r\nKept\r\n"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Gamma", "Kept"}));
    QCOMPARE(w.unanswered(), 0);

    // Told once: the next start asks nothing, and "Kept", listed without a catalogue by
    // choice, was never asked about.
    quilmo::test::WindowHarness again;
    again.writeData(QStringLiteral("QM.tex"), w.dataFile(QStringLiteral("QM.tex")));
    QDir().rename(w.world.dataPath() + QStringLiteral(".quilmo"), again.world.dataPath() + QStringLiteral(".quilmo"));
    again.start();
    QTest::qWait(0);
    QCoreApplication::processEvents();
    QCOMPARE(again.dialogs.questions, QStringList());
  }

  void newDiscNoticeClearsTheFlag() {
    World w;
    w.window->programSettings().setValue(QStringLiteral("Changes"), QStringLiteral("NewDisc"), QStringLiteral("True"));
    w.get(QStringLiteral("NewDisc"))->show();
    w.click(QStringLiteral("NewDisc"));
    QVERIFY(!w.visible(QStringLiteral("NewDisc")));
    QCOMPARE(w.newDiscFlag(), QStringLiteral("False"));
  }
};

QUILMO_PANEL_TEST(CreationPanelTest)
#include "CreationPanelTest.moc"
