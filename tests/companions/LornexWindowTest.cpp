#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "companions/LornexWindow.h"
#include "widgets/CatalogueView.h"
#include "support/TempWorld.h"

using quilmo::CatalogueView;
using quilmo::LornexWindow;

class LornexWindowTest : public QObject {
  Q_OBJECT

  static QString label(const LornexWindow& window, const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
  }

 private Q_SLOTS:
  void showsTheCatalogueAndFindsEachOccurrenceInTurn() {
    quilmo::test::TempWorld world;
    const QString path = world.root() + QStringLiteral("Holiday 2019.rtf");
    world.writeFile(path, QByteArray("\"E:\\\",\"Beach.jpg\"\r\n\"E:\\A\\\",\"x.txt\"\r\n\"E:\\B\\\",\"beach.png\"\r\n"
                                     "2 files : 2 folders\r\n"));
    LornexWindow window(path);
    QVERIFY(window.windowTitle().contains(QStringLiteral("Holiday 2019.rtf")));
    QCOMPARE(label(window, "Lines"), QStringLiteral("Lines: 4"));
    auto* view = window.findChild<CatalogueView*>(QStringLiteral("View"));
    QVERIFY(view->isReadOnly());

    auto* findBox = window.findChild<QLineEdit*>(QStringLiteral("FindBox"));
    const auto find = [&](const char* word) {  // Enter in the find box: the line of the caret
      findBox->setText(QString::fromLatin1(word));
      QTest::keyClick(findBox, Qt::Key_Return);
      return view->lineOfPosition(view->caretPosition());
    };
    QCOMPARE(find("BEACH"), 0);
    QCOMPARE(view->selectedText(), QStringLiteral("Beach"));
    QCOMPARE(find("BEACH"), 2);
    QCOMPARE(label(window, "FindNote"), QString());
    QCOMPARE(find("BEACH"), 0);  // wraps to the top, and says so
    QVERIFY(!label(window, "FindNote").isEmpty());
    find("kamera");
    QCOMPARE(label(window, "FindNote"), QStringLiteral("Not found"));
    QCOMPARE(view->selectedText(), QStringLiteral("Beach"));
  }

  void explainsAMissingArgumentOrAnUnreadableFile() {
    quilmo::test::TempWorld world;
    for (const QString& path : {QString(), world.root() + QStringLiteral("missing.rtf"), world.root()}) {
      LornexWindow window(path);
      auto* message = window.findChild<QLabel*>(QStringLiteral("Message"));
      QVERIFY(!message->isHidden());
      QVERIFY2(path.isEmpty() ? message->text().contains(LornexWindow::usage()) : message->text().contains(path),
               qPrintable(message->text()));
      QVERIFY(!window.findChild<QLineEdit*>(QStringLiteral("FindBox"))->isEnabled());
    }
  }
};

QTEST_MAIN(LornexWindowTest)
#include "LornexWindowTest.moc"
