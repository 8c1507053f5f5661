#include <QtTest>
#include <QtWidgets>

#include "capture/DiscFacts.h"
#include "companions/CatalogueSplitter.h"
#include "companions/LornexWindow.h"
#include "support/TempWorld.h"
#include "widgets/CatalogueView.h"

using namespace quilmo;
using quilmo::companions::LornexWindow;

class CompanionsTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void lornexFindsEachOccurrenceInTurnOrSaysWhyItShowsNoCatalogue() {
    test::TempWorld world;
    world.writeFile(world.root() + "H.rtf", "Beach.jpg\r\nx.txt\r\nbeach.png\r\n");
    LornexWindow window(world.root() + "H.rtf");
    QCOMPARE(window.findChild<QLabel*>("Lines")->text(), "Lines: 3");
    auto* view = window.findChild<CatalogueView*>("View");
    const auto find = [&](const char* word) {  // Enter in the find box: the caret's line and the note
      window.findChild<QLineEdit*>("FindBox")->setText(QString::fromLatin1(word));
      QTest::keyClick(window.findChild<QLineEdit*>("FindBox"), Qt::Key_Return);
      return QString::number(view->lineOfPosition(view->caretPosition())) + window.findChild<QLabel*>("FindNote")->text();
    };
    QCOMPARE((QStringList{find("BEACH"), find("BEACH"), find("BEACH"), find("kamera")}),
             (QStringList{"0", "2", "0Continued from the top", "0Not found"}));

    for (const QString& path : {QString(), QStringLiteral("no such catalogue.rtf")}) {
      LornexWindow empty(path);
      const QLabel* message = empty.findChild<QLabel*>("Message");
      QVERIFY(!message->isHidden() && message->text().contains(path.isEmpty() ? LornexWindow::usage() : path));
    }
  }

  void lornexShowsSizesAndDatesFromTheFactsOrSaysWhyNot() {
    test::TempWorld world;
    const QString path = world.dataPath() + "H.rtf";
    world.writeFile(path, "\"E:\\\",\"Beach.jpg\"\r\n1 files :  folders\r\n");
    capture::VolumeFacts volume;
    volume.scanned = QDateTime::currentDateTimeUtc();
    capture::FactsWriter writer(capture::factsPath(path), volume);
    writer.file({123'456, 0});
    QVERIFY(writer.close(0, path));
    LornexWindow window(path, true);  // --long
    const auto* view = window.findChild<CatalogueView*>("View");
    const QLabel* note = window.findChild<QLabel*>("FactsNote");
    const QString first = view->text().section('\n', 0, 0);
    QVERIFY2(first.startsWith("123,456  ") && first.endsWith("  \"E:\\\",\"Beach.jpg\""), qPrintable(first));
    QVERIFY(note->isHidden());
    auto* sizesAndDates = window.findChild<QCheckBox*>("SizesAndDates");
    QTest::keyClick(sizesAndDates, Qt::Key_Space);
    QCOMPARE(view->text(), QString("\"E:\\\",\"Beach.jpg\"\n1 files :  folders\n"));

    // Facts of an older catalogue are never lined up with this one.
    world.writeFile(path, "\"E:\\\",\"Beach.jpg\"\r\n\"E:\\\",\"x.txt\"\r\n2 files :  folders\r\n");
    QTest::keyClick(sizesAndDates, Qt::Key_Space);
    QVERIFY2(!note->isHidden() && note->text().contains("no longer matches its catalogue"), qPrintable(note->text()));
    QVERIFY(view->text().startsWith("\"E:\\\",\"Beach.jpg\"\n\"E:"));
  }

  void sundraSplitsTheDiscItIsStartedWithAndRefusesBadArguments() {
    test::TempWorld world;
    world.writeFile(world.dataPath() + "My Disc.rtf", "\"E:\\\",\"x.pdf\"\r\n1 files :  folders\r\n");
    const auto launch = companions::splitLaunch(QFileInfo(SUNDRA_PROGRAM).path(), world.dataPath(), "My Disc");
    QCOMPARE(QProcess::execute(launch.program, launch.arguments), 0);
    QCOMPARE(test::TempWorld::readFile(world.dataPath() + "Split-9/PDF.rtf"), "\"E:\\\",\"x.pdf\"\r\n");
    QCOMPARE(QProcess::execute(SUNDRA_PROGRAM, {world.dataPath() + "Missing.rtf,Missing"}), 1);
    QCOMPARE(QProcess::execute(SUNDRA_PROGRAM, {}), 2);
  }
};

QTEST_MAIN(CompanionsTest)
#include "CompanionsTest.moc"
