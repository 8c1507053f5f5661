// "Find Global" from the window: the search panel opened, START, the run over real
// catalogues with each option, the counters, the finish, STOP and the error handling.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "controls/CatalogueView.h"
#include "scope/SearchScopePanel.h"
#include "search/GlobalSearchPanel.h"
#include "shell/PanelControls.h"
#include "support/FakeWindow.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::FakeWindow;
using quilmo::test::TempWorld;

namespace {

const QByteArray kAlpha =
    "\"E:\\PICS\\\",\"beach.jpg\"\r\n"
    "\"E:\\DOCS\\\",\"Catalog cat.txt\"\r\n"
    "\"E:\\DOCS\\\",\"a_cat.txt\"\r\n"
    "\"E:\\DOCS\\\",\"tomcat.txt\"\r\n";
const QByteArray kBeta =
    "\"E:\\PICS\\\",\"beach.jpg\"\r\n"
    "\"E:\\OTHER\\\",\"beach.jpg\"\r\n";
const QByteArray kGamma = "\"E:\\X\\\",\"notes.doc\"\r\n";

}  // namespace

class GlobalSearchPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempWorld> world;
  std::unique_ptr<FakeWindow> window;
  panels::GlobalSearchPanel* search = nullptr;
  QStringList offered;
  int findWordCleared = 0;

  template <class T>
  T* get(const char* name) {
    return window->get<T>(QString::fromLatin1(name));
  }
  QString caption(const char* name) { return get<QLabel>(name)->text(); }
  QString findButton() { return get<QPushButton>("GCom(4)")->text(); }
  void tick(const char* box, bool on) { get<QCheckBox>(box)->setChecked(on); }

  // Opens the panel with the words, selects the discs and presses START.
  void searchFor(const QString& words, const QStringList& discs) {
    get<QComboBox>("FTex")->setEditText(words);
    search->findGlobal();
    QVERIFY(get<QWidget>("DSoekPan")->isVisible());
    auto* list = get<QListWidget>("SoekLys");
    for (const QString& disc : discs) list->findItems(disc, Qt::MatchExactly).value(0)->setSelected(true);
    get<QPushButton>("SoekCom(3)")->click();
  }
  QStringList report() {
    const QString text = QString::fromUtf8(TempWorld::readFile(world->appFolder() + "QReport.rtf"));
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  }
  QString hit(const char* source, const QByteArray& line) { return QString::fromUtf8("*" + QByteArray(source) + "* " + line); }

 private Q_SLOTS:
  void init() {
    world = std::make_unique<TempWorld>();
    world->writeFile(world->dataPath() + "Alpha.rtf", kAlpha);
    world->writeFile(world->dataPath() + "Beta.rtf", kBeta);
    world->writeFile(world->dataPath() + "Gamma.rtf", kGamma);
    window = std::make_unique<FakeWindow>(world->dataPath(), world->appFolder());
    // The disc list's order, not the alphabet's: the queue sorts it.
    get<QComboBox>("TeX")->addItems({"Gamma", "Beta", "Alpha", "Ghost"});
    search = panels::attachGlobalSearch(*window);
    panels::SearchScopePanel* scope = panels::attachSearchScope(*window);
    search->inExtLys = [scope] { scope->inExtLys(); };
    scope->findGlobal = [this] { search->findGlobal(); };
    search->offerSave = [this](const QString& question) { offered += question; };
    search->clearFindWord = [this] { ++findWordCleared; };
    offered.clear();
    findWordCleared = 0;
  }

  void cleanup() {
    window.reset();
    world.reset();
  }

  void openingFillsTheDiscsAndAnEmptySearchBoxDoesNothing() {
    search->findGlobal();
    QVERIFY(get<QWidget>("DSoekPan")->isHidden());
    QCOMPARE(findWordCleared, 0);

    get<QComboBox>("FTex")->setEditText("beach");
    search->findGlobal();
    QVERIFY(get<QWidget>("DSoekPan")->isVisible());
    QCOMPARE(findWordCleared, 1);
    QCOMPARE(get<QListWidget>("SoekLys")->count(), 4);
    QCOMPARE(get<QListWidget>("SoekLys")->item(0)->text(), QStringLiteral("Gamma"));
    QCOMPARE(findButton(), QStringLiteral("Find Global"));
  }

  void searchesThreeDiscsAndFinishes() {
    searchFor("beach|cat", {"Alpha", "Beta", "Gamma"});
    // Beta's PICS line repeats Alpha's and is listed once.
    QCOMPARE(report(), QStringList({hit("Alpha", "\"E:\\PICS\\\",\"beach.jpg\""),
                                    hit("Alpha", "\"E:\\DOCS\\\",\"Catalog cat.txt\""),
                                    hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\""),
                                    hit("Alpha", "\"E:\\DOCS\\\",\"tomcat.txt\""),
                                    hit("Beta", "\"E:\\OTHER\\\",\"beach.jpg\"")}));
    QCOMPARE(caption("LinkTel"), QStringLiteral("5"));
    QCOMPARE(window->statuses.last(), QStringLiteral("Finished searching: There are 5 links"));
    QVERIFY(window->statuses.contains(QStringLiteral("Searching Beta....[Getting 1 links]")));
    QCOMPARE(get<QWidget>("LaB")->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(window->caption, QStringLiteral("QReport.rtf"));
    QCOMPARE(get<CatalogueView>("RtB")->text().count(QStringLiteral("*Alpha*")), 4);
    QCOMPARE(offered, QStringList({"Do yu want to SAVE this report?"}));
    // 7 lines, 2 words each.
    QCOMPARE(caption("TelSoekWys"), QStringLiteral("files found: 14"));
    QCOMPARE(caption("TelSoek"), QString());
    QCOMPARE(caption("Label5"), QStringLiteral("Row:"));
    QCOMPARE(findButton(), QStringLiteral("Find Global"));
    QVERIFY(get<QWidget>("DSoekPan")->isHidden());
    QVERIFY(get<QWidget>("FileCounter")->isHidden());
    QVERIFY(get<QWidget>("CrePan")->isHidden());
    QVERIFY(get<QWidget>("FCom(0)")->isEnabled());
    QCOMPARE(get<QComboBox>("FTex")->findText("beach|cat"), 0);
    QCOMPARE(TempWorld::readFile(world->appFolder() + "sette.lys"), QByteArray());  // no types, no set
    QVERIFY(window->msgHeadings.isEmpty());

    // Find Global while the save question waits is refused: the report offered stays.
    search->offerSave = [this](const QString&) { search->findGlobal(); };
    searchFor("snow", {"Alpha"});
    QCOMPARE(window->scripted.messages, QStringList({"A search is still finishing. Answer its question first."}));
    QCOMPARE(report(), QStringList());
    search->offerSave = nullptr;

    // The history keeps one row per text, ignoring case, in alphabetical order.
    searchFor("BEACH|CAT", {"Gamma"});
    searchFor("apple", {"Gamma"});
    QCOMPARE(get<QComboBox>("FTex")->count(), 3);
    QCOMPARE(get<QComboBox>("FTex")->itemText(0), QStringLiteral("apple"));
  }

  void eachOptionDecidesTheHits() {
    tick("CaseON", true);
    searchFor("cat", {"Alpha"});
    QCOMPARE(report().size(), 2);  // Catalog's "Cat" is the occurrence examined
    tick("CaseON", false);

    tick("WordOnly", true);
    searchFor("cat", {"Alpha"});
    QCOMPARE(report(), QStringList({hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\"")}));
    tick("WordOnly", false);

    tick("AutDub", true);
    searchFor("beach", {"Alpha", "Beta"});
    QCOMPARE(report(), QStringList({hit("Alpha", "\"E:\\PICS\\\",\"beach.jpg\"")}));
    searchFor("DOCS", {"Alpha"});
    QCOMPARE(report(), QStringList());
    QCOMPARE(window->statuses.last(), QStringLiteral("Finished searching: There are 0 links"));
    tick("AutDub", false);

    tick("TVieWC", true);
    // What TVieW showed just before the finish empties it.
    QStringList seen;
    auto* findings = get<QListWidget>("TVieW");
    QObject watching;  // ends the watch with this test
    connect(findings->model(), &QAbstractItemModel::modelAboutToBeReset, &watching, [&] {
      if (findings->count() > 0) seen = panels::entriesOf(*findings);
    });
    searchFor("cat", {"Alpha"});
    // In alphabetical order ignoring case, not in the order found.
    QCOMPARE(seen, QStringList({hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\""),
                                hit("Alpha", "\"E:\\DOCS\\\",\"Catalog cat.txt\""),
                                hit("Alpha", "\"E:\\DOCS\\\",\"tomcat.txt\"")}));
    QVERIFY(get<QWidget>("TVieW")->isHidden());
    QCOMPARE(get<QListWidget>("TVieW")->count(), 0);
  }

  void fileTypesMakeASplitFileSearch() {
    world->writeFile(world->dataPath() + "ExtLys.ini", "JPG\r\nTXT\r\n");
    world->writeFile(world->dataPath() + "Split-9/JPG.rtf", "\"E:\\PICS\\\",\"beach.jpg\"\r\n\"E:\\B\\\",\"sea.jpg\"\r\n");
    get<QComboBox>("FTex")->setEditText("beach");
    search->findGlobal();
    get<QListWidget>("SoekLys")->item(0)->setSelected(true);  // ignored
    get<QListWidget>("ExtLys")->item(0)->setSelected(true);
    get<QPushButton>("SoekCom(3)")->click();
    QCOMPARE(report(), QStringList({hit("JPG", "\"E:\\PICS\\\",\"beach.jpg\"")}));
    QCOMPARE(TempWorld::readFile(world->appFolder() + "sette.lys"), QByteArray("JPG \r\n"));
    QCOMPARE(get<QComboBox>("Sette")->findText("JPG "), 0);
    QCOMPARE(TempWorld::readFile(world->dataPath() + "ExtLys.inZ"), QByteArray("JPG\r\nTXT\r\n"));
  }

  void missingCataloguesAndNoDiscsGiveNothing() {
    searchFor("beach", {"Ghost", "Gamma"});
    QCOMPARE(report(), QStringList());
    QVERIFY(window->msgHeadings.isEmpty());
    searchFor("beach", {});
    QCOMPARE(report(), QStringList());
    QCOMPARE(caption("LinkTel"), QStringLiteral("0"));
    QCOMPARE(window->statuses.last(), QStringLiteral("Finished searching: There are 0 links"));
  }

  void theThirdErrorAbandonsTheSearch() {
    world->writeFile(world->appFolder() + "QReport.rtf", "old\r\n");
    for (const char* name : {"Bad1", "Bad2", "Bad3"}) {
      QDir().mkpath(world->dataPath() + name + ".rtf");  // a folder cannot be read, also by root
      get<QComboBox>("TeX")->addItem(QString::fromLatin1(name));
    }
    window->msgAnswers = {6, 6};
    searchFor("beach", {"Alpha", "Bad1", "Bad2", "Bad3"});
    QCOMPARE(window->msgHeadings.size(), 2);
    QVERIFY(window->msgHeadings[0].startsWith(QStringLiteral("ERROR: ")));
    QCOMPARE(window->msgMessages[1], QStringLiteral("Hier is 'n fout by die auto search outside"));
    // No report and no finish, but the controls are idle again.
    QCOMPARE(TempWorld::readFile(world->appFolder() + "QReport.rtf"), QByteArray());
    QVERIFY(offered.isEmpty());
    QCOMPARE(findButton(), QStringLiteral("Find Global"));
    QVERIFY(get<QWidget>("DSoekPan")->isHidden());
    QVERIFY(get<QWidget>("FileCounter")->isHidden());
  }

  void stopEndsTheSearchWithTheHitsSoFar() {
    QByteArray big;
    constexpr int kLines = 1500000;
    for (int i = 0; i < kLines; ++i) big += "\"E:\\D\\\",\"beach" + QByteArray::number(i) + ".jpg\"\r\n";
    world->writeFile(world->dataPath() + "Big.rtf", big);
    big.clear();
    get<QComboBox>("TeX")->addItem("Big");
    QStringList seenCaptions;
    // Pressed as soon as the counter shows hits, as a user would.
    QTimer press;
    connect(&press, &QTimer::timeout, this, [&] {
      if (caption("LinkTel").toInt() <= 0 || findButton() != QStringLiteral("STOP")) return;
      search->findGlobal();
      seenCaptions += findButton();
      press.stop();
    });
    press.start(1);
    searchFor("beach", {"Big"});
    QCOMPARE(seenCaptions, QStringList({"NOW!"}));
    const qsizetype found = report().size();
    QVERIFY(found > 0);
    QVERIFY2(found < kLines, "the search ran to its end");
    QCOMPARE(caption("LinkTel"), QString::number(found));
    QCOMPARE(window->statuses.last(), QStringLiteral("Finished searching: There are %1 links").arg(found));
    QCOMPARE(findButton(), QStringLiteral("Find Global"));
  }
};

QTEST_MAIN(GlobalSearchPanelTest)
#include "GlobalSearchPanelTest.moc"
