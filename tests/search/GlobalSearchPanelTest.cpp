// "Find Global" in the real window: the panel hands the discs, types, words and option boxes
// to the engine and shows its counters, finish, stop and errors. The rules of the hits are
// the engine's tests.
#include <fcntl.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "search/index/SearchIndex.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {
struct World : WindowHarness {
  explicit World(const QByteArray& extraDiscs = {}) {
    writeData(QStringLiteral("QM.tex"), "Beta\r\nAlpha\r\nGhost\r\nBad1\r\nBad2\r\nBad3\r\n" + extraDiscs);
    writeData(QStringLiteral("Alpha.rtf"),
              "\"E:\\\",\"beach.jpg\"\r\n\"E:\\\",\"Catalog cat.txt\"\r\n\"E:\\\",\"a_cat.txt\"\r\n");
    writeData(QStringLiteral("Beta.rtf"), "\"E:\\\",\"beach.jpg\"\r\n\"F:\\\",\"Beach.jpg\"\r\n");
    start();
  }
  void tick(const char* box, bool on) const { get<QCheckBox>(QString::fromLatin1(box))->setChecked(on); }
  // Opens the panel with the words, selects the discs and types, presses START and says No to saving.
  void searchFor(const QString& words, const QStringList& discs, const QStringList& types = {}) {
    get<QComboBox>(QStringLiteral("FTex"))->setEditText(words);
    click(QStringLiteral("GCom(4)"));
    for (const QString& disc : discs) select(QStringLiteral("SoekLys"), disc);
    for (const QString& type : types) select(QStringLiteral("ExtLys"), type);
    msgAnswers += Answer::No;
    click(QStringLiteral("SoekCom(3)"));
  }
  void select(const QString& list, const QString& row) const {
    get<QListWidget>(list)->findItems(row, Qt::MatchExactly).value(0)->setSelected(true);
  }
  QStringList report() const {
    const QString text = QString::fromUtf8(TempWorld::readFile(world.appFolder() + QStringLiteral("QReport.rtf")));
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  }
  QString findButton() const { return text(QStringLiteral("GCom(4)")); }
};
}  // namespace

class GlobalSearchPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void searchesTheDiscsOrTheTypesAndFinishesOrIsAbandoned() {
    World w;
    w.click(QStringLiteral("GCom(4)"));  // an empty search box does nothing
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));
    w.searchFor(QStringLiteral("beach|cat"), {"Alpha", "Beta", "Ghost"});
    QCOMPARE(w.text(QStringLiteral("LinkTel")), QStringLiteral("4"));
    QCOMPARE(w.text(QStringLiteral("LaB")),
             QStringLiteral("Finished searching: There are 4 links; 1 listed disc has no catalogue: Ghost"));
    QCOMPARE(w.window->view()->text().count(QStringLiteral("*Alpha*")), 3);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [QReport.rtf ]"));
    QCOMPARE(w.msgMessages, QStringList{"Do yu want to SAVE this report?"});
    QCOMPARE(w.text(QStringLiteral("TelSoekWys")), QStringLiteral("files found: 10"));  // 5 lines, 2 words each
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
    // Find Global while the save question waits is refused.
    w.whileAsked = [&w] { w.click(QStringLiteral("GCom(4)")); };
    w.searchFor(QStringLiteral("snow"), {"Alpha"});
    w.whileAsked = nullptr;
    QCOMPARE(w.dialogs.messages, QStringList({"A search is still finishing. Answer its question first."}));
    // Selected types search their split files, whatever discs are selected.
    w.writeData(QStringLiteral("ExtLys.ini"), "JPG\r\nTXT\r\n");
    w.writeData(QStringLiteral("Split-9/JPG.rtf"), "\"E:\\PICS\\\",\"beach.jpg\"\r\n");
    w.searchFor(QStringLiteral("BEACH|CAT"), {"Alpha"}, {"JPG"});
    QCOMPARE(w.report(), QStringList({"*JPG* \"E:\\PICS\\\",\"beach.jpg\""}));
    QCOMPARE(TempWorld::readFile(w.world.appFolder() + QStringLiteral("sette.lys")), QByteArray("JPG \r\n"));
    QCOMPARE(w.get<QComboBox>(QStringLiteral("Sette"))->findText(QStringLiteral("JPG ")), 0);
    // The history keeps one row per text, ignoring case, in alphabetical order.
    QCOMPARE(w.entries(QStringLiteral("FTex")), (QStringList{"beach|cat", "snow"}));

    // The third error abandons the search: the report stays empty, the controls idle.
    for (const char* name : {"Bad1", "Bad2", "Bad3"})  // a folder cannot be read, also by root
      QDir().mkpath(w.data(QString::fromLatin1(name) + QStringLiteral(".rtf")));
    w.msgAnswers = {Answer::Yes, Answer::Yes};
    w.searchFor(QStringLiteral("beach"), {"Alpha", "Bad1", "Bad2", "Bad3"});
    QCOMPARE(w.msgMessages.mid(3), QStringList(2, QStringLiteral("Hier is 'n fout by die auto search outside")));
    QVERIFY(w.msgHeadings[3].startsWith(QStringLiteral("ERROR: ")));
    QVERIFY(w.report().isEmpty());
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
  }

  void anIndexMadeForTheLibraryIsUsedKeptAndTheWindowMakesNone() {
    World w;
    w.searchFor(QStringLiteral("shore"), {"Alpha"});
    QVERIFY(w.report().isEmpty());
    QVERIFY(!QFileInfo::exists(w.data(QStringLiteral(".quilmo/index"))));
    const search::SearchIndex index(w.world.dataPath());
    index.build(true);
    // Alpha changes in place with its size and time kept, which only a search through the
    // index misses: "beach" becomes "shore".
    const QByteArray alpha = QFile::encodeName(w.data(QStringLiteral("Alpha.rtf")));
    struct stat before {};
    QCOMPARE(stat(alpha.constData(), &before), 0);
    QFile file(QString::fromLocal8Bit(alpha));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(7) && file.write("shore") == 5);
    file.close();
    const timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(utimensat(AT_FDCWD, alpha.constData(), times, 0), 0);
    w.searchFor(QStringLiteral("shore"), {"Alpha"});
    QVERIFY(w.report().isEmpty());
    index.build(true);
    w.searchFor(QStringLiteral("shore"), {"Alpha"});
    QCOMPARE(w.report(), QStringList{"*Alpha* \"E:\\\",\"shore.jpg\""});
    // A catalogue written anew since is read whole, and indexed once the keeper is done.
    w.world.writeFile(w.data(QStringLiteral("Alpha.rtf")), "\"E:\\\",\"coast.jpg\"\r\n");
    QVERIFY(index.stateOf(w.data(QStringLiteral("Alpha.rtf"))) != search::PartState::Fresh);
    w.searchFor(QStringLiteral("coast"), {"Alpha"});
    QCOMPARE(w.report(), QStringList{"*Alpha* \"E:\\\",\"coast.jpg\""});
    w.window->indexKeeper().waitUntilIdle();
    QCOMPARE(index.stateOf(w.data(QStringLiteral("Alpha.rtf"))), search::PartState::Fresh);
  }

  void eachOptionBoxReachesTheSearchAndTheFindingsListShowsTheHitsSorted() {
    World w;
    for (const auto& [box, words] : {std::pair{"CaseON", "cat"}, {"WordOnly", "cat"}, {"AutDub", "beach"}}) {
      w.tick(box, true);
      w.searchFor(QString::fromLatin1(words), {"Alpha", "Beta"});
      w.tick(box, false);
      QCOMPARE(w.report().size(), 1);  // 2 without the box
    }
    w.tick("TVieWC", true);
    QStringList seen;  // what TVieW showed just before the finish empties it
    auto* TVieW = w.get<QListWidget>(QStringLiteral("TVieW"));
    connect(TVieW->model(), &QAbstractItemModel::modelAboutToBeReset, TVieW, [&] {
      if (TVieW->count() > 0) seen = w.entries(QStringLiteral("TVieW"));
    });
    w.searchFor(QStringLiteral("cat"), {"Alpha"});
    QCOMPARE(seen, QStringList({"*Alpha* \"E:\\\",\"a_cat.txt\"", "*Alpha* \"E:\\\",\"Catalog cat.txt\""}));
    QVERIFY(!TVieW->isVisible());
  }

  void stopEndsTheSearchWithTheHitsSoFar() {
    World w("Big\r\n");
    QByteArray big;
    constexpr int kLines = 1500000;
    for (int i = 0; i < kLines; ++i) big += "\"E:\\D\\\",\"beach" + QByteArray::number(i) + ".jpg\"\r\n";
    w.writeData(QStringLiteral("Big.rtf"), big);
    QTimer press;  // pressed as soon as the counter shows hits, as a user would
    connect(&press, &QTimer::timeout, this, [&] {
      if (w.text(QStringLiteral("LinkTel")).toInt() <= 0 || w.findButton() != QStringLiteral("STOP")) return;
      w.click(QStringLiteral("GCom(4)"));
      QCOMPARE(w.findButton(), QStringLiteral("NOW!"));
      press.stop();
    });
    press.start(1);
    w.searchFor(QStringLiteral("beach"), {"Big"});
    const qsizetype found = w.report().size();
    QVERIFY2(found < kLines, "the search ran to its end");
    QCOMPARE(w.text(QStringLiteral("LinkTel")), QString::number(found));
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
  }
};

QUILMO_PANEL_TEST(GlobalSearchPanelTest)
#include "GlobalSearchPanelTest.moc"
