// Creating a disc from the window, with a temporary folder mapped as drive E.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "capture/CreationPanel.h"
#include "capture/DiscCreation.h"
#include "controls/CatalogueView.h"
#include "library/DiscListBox.h"
#include "library/DiscListFile.h"
#include "shell/PanelControls.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {
constexpr int kYes = 6;
constexpr int kNo = 7;
const QByteArray kList = "Gamma\r\nAlpha\r\n";
const QByteArray kOldGamma = "\"E:\\\",\"old.txt\"\r\n1 files :  folders\r\n";
const QByteArray kCatalogue =
    "\"E:\\\",\"a.txt\"\r\n\"E:\\DOCS\\\",\"Read me, first.txt\"\r\n2 files : 1 folders\r\n";
}  // namespace

class CreationPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::CreationPanel* panel = nullptr;
  int loads = 0;

  QString data(const QString& name) const { return world->dataPath() + name; }
  QByteArray file(const QString& name) const { return TempWorld::readFile(data(name)); }
  QStringList dataFiles() const { return QDir(world->dataPath()).entryList(QDir::Files, QDir::Name); }
  QComboBox* tex() { return window->get<QComboBox>(QStringLiteral("TeX")); }
  QLabel* label(const char* name) { return window->get<QLabel>(QString::fromLatin1(name)); }
  QWidget* widget(const char* name) { return window->get<QWidget>(QString::fromLatin1(name)); }
  QColor back(const char* name) { return widget(name)->palette().color(widget(name)->backgroundRole()); }
  QString newDiscFlag() { return window->programSettings().value(QStringLiteral("Changes"), QStringLiteral("NewDisc")); }

  // The user types a name into TeX's edit line and presses Enter.
  void typeAndEnter(const QString& name) {
    tex()->setEditText(QString());
    QTest::keyClicks(tex(), name);
    QTest::keyClick(tex(), Qt::Key_Return);
  }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    const QString disc = world->folder(QStringLiteral("disc"));
    world->writeFile(disc + QStringLiteral("a.txt"), "");
    world->writeFile(disc + QStringLiteral("DOCS/Read me, first.txt"), "");
    world->writeFile(data(QStringLiteral("QM.tex")), kList);
    world->writeFile(data(QStringLiteral("Gamma.rtf")), kOldGamma);
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    window->drives().overrideForRun(u'E', disc);
    window->values().discDrive = QStringLiteral("E");
    panels::refillSorted(*tex(), library::readDiscList(world->dataPath()));
    panel = panels::attachCreation(*window);
    loads = 0;
    panel->loadDisc = [this] { ++loads; };
  }

  void cleanup() {
    const int unanswered = window->msgUnanswered + window->scripted.unanswered;
    window.reset();
    world.reset();
    QCOMPARE(unanswered, 0);
  }

  void newNameGoesStraightThroughInAutoMode() {
    QSignalSpy captions(window->window(), &QWidget::windowTitleChanged);
    typeAndEnter(QStringLiteral("Photos"));
    QVERIFY(window->msgHeadings.isEmpty());
    QCOMPARE(file(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QCOMPARE(panels::itemsOf(*tex()), (QStringList{"Alpha", "Gamma", "Photos"}));
    QCOMPARE(file(QStringLiteral("Photos.rtf")), kCatalogue);
    QVERIFY(!QFile::exists(world->appFolder() + QStringLiteral("File.List.Zub")));
    QCOMPARE(newDiscFlag(), QStringLiteral("True"));

    QCOMPARE(captions.size(), 3);
    QCOMPARE(captions[0][0].toString(), QStringLiteral("Quilmo 2016 [Photos]"));
    QCOMPARE(captions[1][0].toString(), QStringLiteral("Quilmo 2016 [Photos] Dir:1 File:2"));
    QCOMPARE(captions[2][0].toString(), QStringLiteral("Quilmo [Photos.rtf ]"));
    QCOMPARE(window->statuses, (QStringList{"Creating Info", "Finished Creating. Loading Info (can take a while...",
                                            "Finished."}));
    QCOMPARE(label("LaB")->text(), QStringLiteral("Finished."));
    QVERIFY(label("LaB")->isVisible());
    QCOMPARE(back("LaB"), QColor(255, 255, 0));
    QCOMPARE(label("LaB")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(back("Label4"), QColor(0, 255, 0));
    QCOMPARE(label("DirLab")->text(), QStringLiteral("1"));
    QCOMPARE(label("FileLab")->text(), QStringLiteral("2"));
    QCOMPARE(window->values().filesCount, 2.0);
    QCOMPARE(window->get<CatalogueView>(QStringLiteral("RtB"))->lineCount(), 3);
    QVERIFY(!widget("CrePan")->isVisible());
    QVERIFY(!widget("UpPan")->isVisible());
  }

  void manualModeAsksAndAStoppedBuildLeavesTheNameListed() {
    window->values().autoMode = false;
    window->msgAnswers = {kYes, kYes, kNo};  // Autorun, Name Set, then No to "Just to make certain"
    typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(window->msgHeadings, (QStringList{"Autorun Message", "Name Set", "Just to make certain"}));
    QCOMPARE(window->msgMessages[2], QStringLiteral("The following drive will be build:\n\nDrive: [E]\n Name: [Photos].\n\n"
                                                    "Do you want me to continue?"));
    QCOMPARE(file(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QVERIFY(!QFile::exists(data(QStringLiteral("Photos.rtf"))));
    QVERIFY(window->statuses.isEmpty());

    // Enter again, in other letters: the name is listed now, so it asks before rebuilding.
    window->msgHeadings.clear();
    window->msgAnswers = {kYes, kYes, kYes, kYes};
    typeAndEnter(QStringLiteral("PHOTOS"));
    QCOMPARE(window->msgHeadings, (QStringList{"Autorun Message", "Name EXISTS!!!", "Name Set", "Just to make certain"}));
    QCOMPARE(file(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QCOMPARE(file(QStringLiteral("Photos.rtf")), kCatalogue);
    QCOMPARE(tex()->count(), 3);
  }

  void noDiscChangesNothing() {
    const QStringList before = dataFiles();
    window->msgAnswers = {kYes, kYes};
    window->drives().overrideForRun(u'E', world->root() + QStringLiteral("missing"));
    typeAndEnter(QStringLiteral("Photos"));
    window->values().discDrive.clear();  // never set: no drive either
    typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(window->msgHeadings, (QStringList{"Disc ERROR", "Disc ERROR"}));
    QVERIFY(window->msgMessages[0].startsWith(QStringLiteral("An unforseen problem:\n1.   Disc in drive is blank\n")));
    QVERIFY(window->msgMessages[0].endsWith(QStringLiteral("using this name for later creation.")));
    QCOMPARE(dataFiles(), before);
    QCOMPARE(file(QStringLiteral("QM.tex")), kList);
    QCOMPARE(tex()->count(), 2);
    QVERIFY(newDiscFlag().isEmpty());
    QVERIFY(!widget("UpPan")->isVisible());
  }

  void existingNameInOtherLettersIsRebuiltOnlyOnYes() {
    window->msgAnswers = {kNo};
    typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(window->msgHeadings, QStringList{"Name EXISTS!!!"});
    QCOMPARE(window->msgMessages[0], QStringLiteral("The name already exists. Must I re-used the name?"));
    QCOMPARE(file(QStringLiteral("Gamma.rtf")), kOldGamma);
    QVERIFY(newDiscFlag().isEmpty());

    window->values().autoMode = false;  // Autorun, Name EXISTS!!!, then No to Name Set
    window->msgAnswers = {kYes, kYes, kNo};
    typeAndEnter(QStringLiteral("gAMMA"));
    QVERIFY(!widget("CrePan")->isVisible());
    QCOMPARE(file(QStringLiteral("Gamma.rtf")), kOldGamma);

    window->values().autoMode = true;
    window->msgAnswers = {kYes};
    typeAndEnter(QStringLiteral("gAMMA"));
    QCOMPARE(file(QStringLiteral("Gamma.rtf")), kCatalogue);  // the one catalogue, whatever the letters
    QCOMPARE(dataFiles(), (QStringList{"Gamma.rtf", "QM.tex"}));
    QCOMPARE(file(QStringLiteral("QM.tex")), kList);
    QCOMPARE(newDiscFlag(), QStringLiteral("True"));
  }

  void nameAtTheTopOfTheListAsksToRebuildFirst() {
    window->scripted.answers = {Answer::No, Answer::Yes};
    typeAndEnter(QStringLiteral("alpha"));
    QVERIFY(window->values().nameMatch);
    QCOMPARE(window->scripted.questions, QStringList{"Disc with filename already exists"});
    QCOMPARE(loads, 1);  // No: the listed disc is loaded instead
    QVERIFY(window->msgHeadings.isEmpty());

    window->msgAnswers = {kYes};
    typeAndEnter(QStringLiteral("alpha"));
    QCOMPARE(window->msgHeadings, QStringList{"Name EXISTS!!!"});
    QCOMPARE(file(QStringLiteral("Alpha.rtf")), kCatalogue);
    QCOMPARE(loads, 1);
  }

  void refusedNameChangesNothing() {
    const QStringList before = dataFiles();
    tex()->setEditText(QStringLiteral("Disc,2"));
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("GCom(7)")), Qt::LeftButton);
    QCOMPARE(window->statusColourRestored, 1);
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].contains(QStringLiteral("comma")));
    QVERIFY(window->msgHeadings.isEmpty());
    QCOMPARE(dataFiles(), before);
    QCOMPARE(file(QStringLiteral("QM.tex")), kList);
    QVERIFY(!widget("CrePan")->isVisible());
  }

  void secondCreationDuringTheWalkIsRefused() {
    // Polls at every yield; once the walk runs, the user presses Enter again.
    bool triedDuringWalk = false;
    bool creatingShown = false;
    QTimer poll;
    poll.setInterval(0);
    connect(&poll, &QTimer::timeout, this, [&] {
      if (!DiscCreation::isRunning() || triedDuringWalk) return;
      triedDuringWalk = true;
      QTest::keyClick(tex(), Qt::Key_Return);
      QTest::mouseClick(window->get<QPushButton>(QStringLiteral("GCom(7)")), Qt::LeftButton);
      creatingShown = widget("CrePan")->isVisible();
    });
    poll.start();
    typeAndEnter(QStringLiteral("Photos"));
    poll.stop();
    QVERIFY(triedDuringWalk);
    QVERIFY(creatingShown);
    QCOMPARE(window->scripted.messages, (QStringList{DiscCreation::busyMessage(), DiscCreation::busyMessage()}));
    QCOMPARE(file(QStringLiteral("QM.tex")), kList + "Photos\r\n");
    QCOMPARE(file(QStringLiteral("Photos.rtf")), kCatalogue);
  }

  void catalogueThatCannotBeWrittenIsKept() {
    // A folder where the catalogue goes: it can be neither replaced nor moved over.
    world->writeFile(data(QStringLiteral("Photos.rtf/keep.txt")), "kept");
    typeAndEnter(QStringLiteral("Photos"));
    QCOMPARE(window->scripted.messages.size(), 1);
    QVERIFY(window->scripted.messages[0].contains(QStringLiteral("could not be written")));
    QCOMPARE(file(QStringLiteral("Photos.rtf/keep.txt")), QByteArray("kept"));
    QVERIFY(!QFile::exists(world->appFolder() + QStringLiteral("File.List.Zub")));
    QVERIFY(label("LaB")->isVisible());
    QVERIFY(!widget("CrePan")->isVisible());
  }

  void nextDiscAndTheNewDiscNotice() {
    for (const auto& [typed, next] : {std::pair{"Disc0", "Disc1"}, {"Disc9", "Disc9"}, {"", ""}}) {
      tex()->setEditText(QString::fromLatin1(typed));
      Q_EMIT window->get<test::ClickLabel>(QStringLiteral("NDc"))->Click();
      QCOMPARE(tex()->currentText(), QString::fromLatin1(next));
    }
    window->programSettings().setValue(QStringLiteral("Changes"), QStringLiteral("NewDisc"), QStringLiteral("True"));
    QTest::mouseClick(window->get<QPushButton>(QStringLiteral("NewDisc")), Qt::LeftButton);
    QVERIFY(!widget("NewDisc")->isVisible());
    QCOMPARE(newDiscFlag(), QStringLiteral("False"));
  }
};

QTEST_MAIN(CreationPanelTest)
#include "CreationPanelTest.moc"
