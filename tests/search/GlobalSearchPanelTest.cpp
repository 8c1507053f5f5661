// "Find Global" in the real window: the search panel, START, the run over real catalogues
// with each option, the counters, the finish, STOP and the error handling.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include "widgets/CatalogueView.h"
#include "support/PanelTests.h"
#include "support/WindowHarness.h"

using namespace quilmo;
using quilmo::test::TempWorld;
using quilmo::test::WindowHarness;

namespace {
const QByteArray kAlpha =
    "\"E:\\PICS\\\",\"beach.jpg\"\r\n"
    "\"E:\\DOCS\\\",\"Catalog cat.txt\"\r\n"
    "\"E:\\DOCS\\\",\"a_cat.txt\"\r\n"
    "\"E:\\DOCS\\\",\"tomcat.txt\"\r\n";
const QByteArray kBeta =
    "\"E:\\PICS\\\",\"beach.jpg\"\r\n"
    "\"E:\\OTHER\\\",\"beach.jpg\"\r\n";

struct World : WindowHarness {
  explicit World(const QByteArray& extraDiscs = {}) {
    writeData(QStringLiteral("QM.tex"), "Gamma\r\nBeta\r\nAlpha\r\nGhost\r\n" + extraDiscs);
    writeData(QStringLiteral("Alpha.rtf"), kAlpha);
    writeData(QStringLiteral("Beta.rtf"), kBeta);
    writeData(QStringLiteral("Gamma.rtf"), "\"E:\\X\\\",\"notes.doc\"\r\n");
    start();
  }
  void tick(const char* box, bool on) const { get<QCheckBox>(QString::fromLatin1(box))->setChecked(on); }
  // Opens the panel with the words, selects the discs, presses START and says No to saving.
  void searchFor(const QString& words, const QStringList& discs) {
    get<QComboBox>(QStringLiteral("FTex"))->setEditText(words);
    click(QStringLiteral("GCom(4)"));
    QVERIFY(visible(QStringLiteral("DSoekPan")));
    auto* list = get<QListWidget>(QStringLiteral("SoekLys"));
    for (const QString& disc : discs) list->findItems(disc, Qt::MatchExactly).value(0)->setSelected(true);
    msgAnswers += Answer::No;
    click(QStringLiteral("SoekCom(3)"));
  }
  // The report of a search with one option box ticked.
  QStringList searchWith(const char* box, const QString& words, const QStringList& discs) {
    tick(box, true);
    searchFor(words, discs);
    tick(box, false);
    return report();
  }
  QStringList report() const {
    const QString text = QString::fromUtf8(TempWorld::readFile(world.appFolder() + QStringLiteral("QReport.rtf")));
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  }
  static QString hit(const char* source, const QByteArray& line) {
    return QString::fromUtf8("*" + QByteArray(source) + "* " + line);
  }
  QString findButton() const { return text(QStringLiteral("GCom(4)")); }
};
}  // namespace

class GlobalSearchPanelTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void searchesTheDiscsAndFinishes() {
    World w;
    w.click(QStringLiteral("GCom(4)"));  // an empty search box does nothing
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));

    w.searchFor(QStringLiteral("beach|cat"), {"Alpha", "Beta", "Gamma", "Ghost"});
    // Beta's PICS line repeats Alpha's and is listed once; Ghost has no catalogue.
    QCOMPARE(w.report(), QStringList({World::hit("Alpha", "\"E:\\PICS\\\",\"beach.jpg\""),
                                      World::hit("Alpha", "\"E:\\DOCS\\\",\"Catalog cat.txt\""),
                                      World::hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\""),
                                      World::hit("Alpha", "\"E:\\DOCS\\\",\"tomcat.txt\""),
                                      World::hit("Beta", "\"E:\\OTHER\\\",\"beach.jpg\"")}));
    QCOMPARE(w.text(QStringLiteral("LinkTel")), QStringLiteral("5"));
    QCOMPARE(w.text(QStringLiteral("LaB")),
             QStringLiteral("Finished searching: There are 5 links; 1 listed disc has no catalogue: Ghost"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Quilmo [QReport.rtf ]"));
    QCOMPARE(w.window->view()->text().count(QStringLiteral("*Alpha*")), 4);
    QCOMPARE(w.msgHeadings, QStringList{"Saving Search Report"});
    QCOMPARE(w.msgMessages, QStringList{"Do yu want to SAVE this report?"});
    QCOMPARE(w.text(QStringLiteral("TelSoekWys")), QStringLiteral("files found: 14"));  // 7 lines, 2 words each
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));
    QVERIFY(!w.visible(QStringLiteral("FileCounter")));
    QVERIFY(w.get(QStringLiteral("FCom(0)"))->isEnabled());

    // Find Global while the save question waits is refused.
    w.whileAsked = [&w] { w.click(QStringLiteral("GCom(4)")); };
    w.searchFor(QStringLiteral("snow"), {"Alpha"});
    w.whileAsked = nullptr;
    QCOMPARE(w.dialogs.messages, QStringList({"A search is still finishing. Answer its question first."}));
    QCOMPARE(w.report(), QStringList());

    // The history keeps one row per text, ignoring case, in alphabetical order.
    w.searchFor(QStringLiteral("BEACH|CAT"), {"Gamma"});
    w.searchFor(QStringLiteral("apple"), {});
    QCOMPARE(w.entries(QStringLiteral("FTex")), (QStringList{"apple", "beach|cat", "snow"}));
    QCOMPARE(w.unanswered(), 0);
  }

  void eachOptionDecidesTheHits() {
    World w;
    QCOMPARE(w.searchWith("CaseON", QStringLiteral("cat"), {"Alpha"}).size(), 2);  // Catalog's "Cat" is examined
    QCOMPARE(w.searchWith("WordOnly", QStringLiteral("cat"), {"Alpha"}),
             QStringList({World::hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\"")}));
    QCOMPARE(w.searchWith("AutDub", QStringLiteral("beach"), {"Alpha", "Beta"}),
             QStringList({World::hit("Alpha", "\"E:\\PICS\\\",\"beach.jpg\"")}));
    w.tick("TVieWC", true);
    // What TVieW showed just before the finish empties it: sorted ignoring case.
    QStringList seen;
    auto* TVieW = w.get<QListWidget>(QStringLiteral("TVieW"));
    QObject watching;
    connect(TVieW->model(), &QAbstractItemModel::modelAboutToBeReset, &watching, [&] {
      if (TVieW->count() > 0) seen = w.entries(QStringLiteral("TVieW"));
    });
    w.searchFor(QStringLiteral("cat"), {"Alpha"});
    QCOMPARE(seen, QStringList({World::hit("Alpha", "\"E:\\DOCS\\\",\"a_cat.txt\""),
                                World::hit("Alpha", "\"E:\\DOCS\\\",\"Catalog cat.txt\""),
                                World::hit("Alpha", "\"E:\\DOCS\\\",\"tomcat.txt\"")}));
    QVERIFY(!TVieW->isVisible());
    QCOMPARE(TVieW->count(), 0);
  }

  void fileTypesMakeASplitFileSearch() {
    World w;
    w.writeData(QStringLiteral("ExtLys.ini"), "JPG\r\nTXT\r\n");
    w.writeData(QStringLiteral("Split-9/JPG.rtf"), "\"E:\\PICS\\\",\"beach.jpg\"\r\n\"E:\\B\\\",\"sea.jpg\"\r\n");
    w.get<QComboBox>(QStringLiteral("FTex"))->setEditText(QStringLiteral("beach"));
    w.click(QStringLiteral("GCom(4)"));
    w.get<QListWidget>(QStringLiteral("SoekLys"))->item(0)->setSelected(true);  // ignored
    w.get<QListWidget>(QStringLiteral("ExtLys"))->item(0)->setSelected(true);
    w.msgAnswers = {Answer::No};
    w.click(QStringLiteral("SoekCom(3)"));
    QCOMPARE(w.report(), QStringList({World::hit("JPG", "\"E:\\PICS\\\",\"beach.jpg\"")}));
    QCOMPARE(TempWorld::readFile(w.world.appFolder() + QStringLiteral("sette.lys")), QByteArray("JPG \r\n"));
    QCOMPARE(w.get<QComboBox>(QStringLiteral("Sette"))->findText(QStringLiteral("JPG ")), 0);
    QCOMPARE(w.dataFile(QStringLiteral("ExtLys.inZ")), QByteArray("JPG\r\nTXT\r\n"));
  }

  void theThirdErrorAbandonsTheSearch() {
    World w("Bad1\r\nBad2\r\nBad3\r\n");
    w.world.writeFile(w.world.appFolder() + QStringLiteral("QReport.rtf"), "old\r\n");
    for (const char* name : {"Bad1", "Bad2", "Bad3"})  // a folder cannot be read, also by root
      QDir().mkpath(w.data(QString::fromLatin1(name) + QStringLiteral(".rtf")));
    w.msgAnswers = {Answer::Yes, Answer::Yes};
    w.searchFor(QStringLiteral("beach"), {"Alpha", "Bad1", "Bad2", "Bad3"});
    QCOMPARE(w.msgHeadings.size(), 2);  // no save question
    QVERIFY(w.msgHeadings[0].startsWith(QStringLiteral("ERROR: ")));
    QCOMPARE(w.msgMessages[1], QStringLiteral("Hier is 'n fout by die auto search outside"));
    QCOMPARE(TempWorld::readFile(w.world.appFolder() + QStringLiteral("QReport.rtf")), QByteArray());
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
    QVERIFY(!w.visible(QStringLiteral("DSoekPan")));
    QVERIFY(!w.visible(QStringLiteral("FileCounter")));
  }

  void stopEndsTheSearchWithTheHitsSoFar() {
    World w("Big\r\n");
    QByteArray big;
    constexpr int kLines = 1500000;
    for (int i = 0; i < kLines; ++i) big += "\"E:\\D\\\",\"beach" + QByteArray::number(i) + ".jpg\"\r\n";
    w.writeData(QStringLiteral("Big.rtf"), big);
    big.clear();
    QStringList seenCaptions;
    // Pressed as soon as the counter shows hits, as a user would.
    QTimer press;
    connect(&press, &QTimer::timeout, this, [&] {
      if (w.text(QStringLiteral("LinkTel")).toInt() <= 0 || w.findButton() != QStringLiteral("STOP")) return;
      w.click(QStringLiteral("GCom(4)"));
      seenCaptions += w.findButton();
      press.stop();
    });
    press.start(1);
    w.searchFor(QStringLiteral("beach"), {"Big"});
    QCOMPARE(seenCaptions, QStringList({"NOW!"}));
    const qsizetype found = w.report().size();
    QVERIFY(found > 0);
    QVERIFY2(found < kLines, "the search ran to its end");
    QCOMPARE(w.text(QStringLiteral("LinkTel")), QString::number(found));
    QCOMPARE(w.text(QStringLiteral("LaB")), QStringLiteral("Finished searching: There are %1 links").arg(found));
    QCOMPARE(w.findButton(), QStringLiteral("Find Global"));
  }
};

QUILMO_PANEL_TEST(GlobalSearchPanelTest)
#include "GlobalSearchPanelTest.moc"
