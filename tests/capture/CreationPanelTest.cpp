// Creating a disc from the real window, with a temporary folder mapped as drive E.
#include <sys/wait.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QTimer>
#include <QtTest>

#include "capture/CreationClaim.h"
#include "capture/DiscCreation.h"
#include "search/IndexKeeper.h"
#include "search/index/SearchIndex.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;
using namespace quilmo::capture;

namespace {
const QByteArray kList = "Gamma\r\nAlpha\r\n";
const QByteArray kOld = "\"E:\\\",\"old.txt\"\r\n1 files :  folders\r\n";
const QByteArray kCatalogue = "\"E:\\DOCS\\\",\"a.txt\"\r\n1 files : 1 folders\r\n";

// A window whose disc list holds Gamma and Alpha, with a one-file disc in drive E.
struct World : test::WindowHarness {
  World() {
    world.writeFile(world.root() + QStringLiteral("disc/DOCS/a.txt"), "");
    writeData(QStringLiteral("QM.tex"), kList);
    writeData(QStringLiteral("Gamma.rtf"), kOld);
    start();
    window->drives().overrideForRun(u'E', world.root() + QStringLiteral("disc"));
    window->values().discDrive = QStringLiteral("E");
  }
  QStringList dataFiles() const { return QDir(world.dataPath()).entryList(QDir::Files, QDir::Name); }
  // The user types a name into TeX's edit line and presses Enter.
  void typeAndEnter(const QString& name) const {
    auto* TeX = get<QComboBox>(QStringLiteral("TeX"));
    TeX->setEditText(QString());
    QTest::keyClicks(TeX, name);
    QTest::keyClick(TeX, Qt::Key_Return);
  }
};
}  // namespace

class CreationPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void newNameGoesStraightThroughInAutoMode() {
    World w;
    QSignalSpy captions(w.window.get(), &QWidget::windowTitleChanged);
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Alpha", "Gamma", "Photos"}));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
    QCOMPARE(captions.first().first().toString(), QStringLiteral("Quilmo 2016 [Photos]"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [Photos.rtf ]"));
    QCOMPARE((QStringList{w.text("LaB"), w.text("DirLab"), w.text("FileLab")}), (QStringList{"Finished.", "1", "1"}));
    QCOMPARE(w.window->view()->lineCount(), 2);  // the new catalogue is shown
    QVERIFY(!w.visible(QStringLiteral("CrePan")) && !w.visible(QStringLiteral("UpPan")));
    QCOMPARE(w.msgHeadings.size() + w.unanswered(), 0);
    w.window->indexKeeper().waitUntilIdle();
    QVERIFY2(!QFileInfo::exists(w.data(QStringLiteral(".quilmo/index"))), "a library without an index gets none");
  }

  // The window's changes reach an index the user made once its keeper is done with them.
  void aCreationAndARenameKeepTheIndexCurrent() {
    World w;
    const search::SearchIndex index(w.world.dataPath());
    index.build(false);
    const auto indexed = [&] {
      w.window->indexKeeper().waitUntilIdle();
      QStringList stale;
      for (const QString& catalogue : search::SearchIndex::catalogues(w.world.dataPath()))
        if (index.stateOf(catalogue) != search::PartState::Fresh) stale += catalogue;
      return stale;
    };
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(indexed(), QStringList());
    QVERIFY(QFileInfo::exists(index.partPath(w.data(QStringLiteral("Photos.rtf")))));

    w.dialogs.inputs = {QStringLiteral("Pictures")};
    w.click(QStringLiteral("SSPanel1(1)"));
    QCOMPARE(w.entries(QStringLiteral("TeX")), (QStringList{"Alpha", "Gamma", "Pictures"}));
    QCOMPARE(indexed(), QStringList());
    QVERIFY(QFileInfo::exists(index.partPath(w.data(QStringLiteral("Pictures.rtf")))));
    QVERIFY(!QFileInfo::exists(index.partPath(w.data(QStringLiteral("Photos.rtf")))));
  }

  void factsThatCannotBeWrittenAreToldAfterTheCatalogue() {
    World w;
    w.writeData(QStringLiteral(".quilmo/facts"), "a file where the folder of facts belongs");
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
    QVERIFY2(w.text("LaB").startsWith("Finished. The disc's facts could not be written ("), qPrintable(w.text("LaB")));
  }

  void manualModeAsksAndAStoppedBuildLeavesTheNameListed() {
    World w;
    w.window->values().autoMode = false;
    w.msgAnswers = {Answer::Yes, Answer::Yes, Answer::No};  // No to "Just to make certain"
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.msgHeadings, (QStringList{"Autorun Message", "Name Set", "Just to make certain"}));
    QVERIFY(!QFile::exists(w.data(QStringLiteral("Photos.rtf"))));
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList + "Photos\r\n");
  }

  // A listed name, in whatever letters, asks before it rebuilds under the list's spelling.
  void aListedNameIsRebuiltOnlyOnYes() {
    World w;
    w.msgAnswers = {Answer::No, Answer::Yes};
    w.typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(w.dataFile(QStringLiteral("Gamma.rtf")), kOld);
    w.typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(w.msgHeadings, (QStringList{"Name EXISTS!!!", "Name EXISTS!!!"}));
    QCOMPARE(w.dataFile(QStringLiteral("Gamma.rtf")), kCatalogue);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [Gamma.rtf ]"));
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList);

    // The name at the top of the list asks first: No loads its catalogue instead, and the
    // question closed unanswered (Escape) neither rebuilds nor loads.
    w.writeData(QStringLiteral("Alpha.rtf"), kOld);
    w.dialogs.answers = {Answer::No, Answer::Yes};
    w.typeAndEnter(QStringLiteral("alpha"));
    QCOMPARE(w.dialogs.questions, (QStringList{"Disc with filename already exists", "Where to open disc"}));
    QVERIFY(w.window->view()->text().contains(QStringLiteral("old.txt")));
    w.window->view()->setText(QStringLiteral("shown"));
    w.dialogs.answers = {Answer::Cancel};
    w.typeAndEnter(QStringLiteral("alpha"));
    QCOMPARE(w.dialogs.questions.size(), 3);
    QCOMPARE(w.window->view()->text(), QStringLiteral("shown"));
    QCOMPARE(w.dataFile(QStringLiteral("Alpha.rtf")), kOld);
  }

  void aBadNameOrNoDiscChangesNothing() {
    World w;
    const QStringList before = w.dataFiles();
    w.get<QComboBox>(QStringLiteral("TeX"))->setEditText(QStringLiteral("Disc,2"));
    w.click(QStringLiteral("GCom(7)"));
    QVERIFY(w.dialogs.messages.value(0).contains(QStringLiteral("comma")));
    w.window->drives().overrideForRun(u'E', w.world.root() + QStringLiteral("missing"));
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.msgHeadings, QStringList{"Disc ERROR"});
    QCOMPARE(w.dataFiles(), before);
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), kList);
  }

  void secondCreationDuringTheWalkIsRefused() {
    World w;
    QTimer poll;  // at every yield of the walk: the user presses Enter and CREATE, once
    connect(&poll, &QTimer::timeout, this, [&] {
      if (!DiscCreation::isRunning() || !w.dialogs.messages.isEmpty()) return;
      QTest::keyClick(w.get(QStringLiteral("TeX")), Qt::Key_Return);
      w.click(QStringLiteral("GCom(7)"));
      QVERIFY(w.visible(QStringLiteral("CrePan")));
    });
    poll.start(0);
    w.typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(w.dialogs.messages, (QStringList{DiscCreation::busyMessage(), DiscCreation::busyMessage()}));
    QCOMPARE(w.dataFile(QStringLiteral("Photos.rtf")), kCatalogue);
  }

  void aCreationCutOffByAKillIsOfferedAtTheNextStart() {
    test::WindowHarness w;
    w.writeData(QStringLiteral("QM.tex"), "Lost\r\nGamma\r\n");
    w.writeData(QStringLiteral("Gamma.rtf"), kOld);
    for (const QString name : {"Lost", "Gamma"}) {  // Gamma's catalogue was written: nothing to ask
      if (fork() == 0) _exit(CreationClaim(w.world.dataPath(), name).acquire() ? 0 : 1);  // no destructor runs
      wait(nullptr);
    }
    w.dialogs.answers = {Answer::No};
    w.start();
    QTRY_COMPARE(w.dialogs.questions, QStringList{QStringLiteral("A disc was not finished")});
    QCOMPARE(w.entries(QStringLiteral("TeX")), QStringList{"Gamma"});
    QCOMPARE(w.dataFile(QStringLiteral("QM.tex")), QByteArray("Gamma\r\n"));
  }

  void newDiscNoticeClearsTheFlag() {
    World w;
    w.get(QStringLiteral("NewDisc"))->show();
    w.click(QStringLiteral("NewDisc"));
    QVERIFY(!w.visible(QStringLiteral("NewDisc")));
    QCOMPARE(w.window->programSettings().value(QStringLiteral("Changes"), QStringLiteral("NewDisc")), "False");
  }
};

QUILMO_PANEL_TEST(CreationPanelTest)
#include "CreationPanelTest.moc"
