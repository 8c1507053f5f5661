#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleHints>
#include <QtTest>

#include "support/TempWorld.h"
#include "widgets/CatalogueView.h"

using quilmo::CatalogueView;

namespace {

// The middle of the character at column, row of a view scrolled to its top left.
QPoint pointOf(const CatalogueView& view, int column, int row) {
  const QFontMetrics metrics = view.fontMetrics();
  const int width = metrics.horizontalAdvance(u'M');
  return QPoint(4 + column * width + width / 3, row * metrics.lineSpacing() + metrics.lineSpacing() / 2);
}

QString numberedLines(int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += QStringLiteral("\"E:\\DISC\\\",\"file%1.txt\"\r\n").arg(i);
  return text;
}

}  // namespace

class CatalogueViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Counting and reading are LineIndex's; the view adds the caret and the selection signal.
  void loadsAFileAndCountsItsLines() {
    quilmo::test::TempWorld world;
    const QString path = world.root() + QStringLiteral("Disc.rtf");
    world.writeFile(path, QString::fromUtf8("\"E:\\\",\"été.txt\"\r\n\"E:\\A\\\",\"b.txt\"\r\n").toUtf8());
    CatalogueView view;
    QSignalSpy moved(&view, &CatalogueView::selectionChanged);
    QVERIFY(view.loadFile(path));
    QCOMPARE(view.lineCount(), 2);
    QCOMPARE(view.caretPosition(), 0);
    QVERIFY(!moved.isEmpty());

    QVERIFY(!view.loadFile(world.root() + QStringLiteral("missing.rtf")));
    QVERIFY(view.isEmpty());
    QCOMPARE(view.selectedText(), QString());
  }

  void findSelectsTheHitAndScrollsToIt() {
    CatalogueView view;
    view.resize(400, 200);
    view.show();
    view.setText(numberedLines(1000) + QStringLiteral("\"E:\\FOTO\\\",\"Beach.JPG\"\r\n"));
    QSignalSpy moved(&view, &CatalogueView::selectionChanged);
    const qint64 hit = view.find(QStringLiteral("bEACH.jpg"), 10);
    QVERIFY(hit > 0);
    QCOMPARE(view.selectedText(), QStringLiteral("Beach.JPG"));
    QCOMPARE(view.caretPosition(), hit);
    QCOMPARE(view.lineOfPosition(hit), 1000);
    QVERIFY(moved.count() >= 1);
    QVERIFY(view.verticalScrollBar()->value() > 900);

    // Nothing after the hit: -1 and the selection stays as it was.
    QCOMPARE(view.find(QStringLiteral("beach"), hit + 1), -1);
    QCOMPARE(view.selectedText(), QStringLiteral("Beach.JPG"));
    QCOMPARE(view.find(QStringLiteral("FILE7.TXT"), 0), view.find(QStringLiteral("file7."), 0));
  }

  void selectsAppendsAndMovesTheCaret() {
    CatalogueView view;
    view.setText(QStringLiteral("alpha\r\nbeta"));
    view.select(3, 5);
    QCOMPARE(view.selectedText(), QStringLiteral("ha\nbe"));
    QCOMPARE(view.caretPosition(), 3);
    view.setCaretPosition(7);
    QCOMPARE(view.selectedText(), QString());
    QCOMPARE(view.caretPosition(), 7);

    view.appendText(QStringLiteral("\r\n*D1* line"));
    QCOMPARE(view.lineCount(), 3);
    QCOMPARE(view.caretPosition(), 7);  // appending leaves the caret where it was
  }

  void mouseSetsTheCaretAndSelectsWordsAndLines() {
    CatalogueView view;
    view.resize(500, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setText(QStringLiteral("first line\r\nE:\\DOCS\\report_2.txt here\r\nlast"));
    QSignalSpy clicked(&view, &CatalogueView::clicked);
    QSignalSpy doubleClicked(&view, &CatalogueView::doubleClicked);
    QWidget* surface = view.viewport();

    QTest::mouseClick(surface, Qt::LeftButton, {}, pointOf(view, 3, 1));
    QCOMPARE(view.caretPosition(), 11 + 3);
    QCOMPARE(clicked.count(), 1);

    QTest::mouseClick(surface, Qt::LeftButton, Qt::ShiftModifier, pointOf(view, 2, 0));
    QCOMPARE(view.selectedText(), QStringLiteral("rst line\nE:\\"));

    QTest::mouseDClick(surface, Qt::LeftButton, {}, pointOf(view, 10, 1));
    QCOMPARE(view.selectedText(), QStringLiteral("report_2"));
    QCOMPARE(doubleClicked.count(), 1);
    QTest::mouseClick(surface, Qt::LeftButton, {}, pointOf(view, 10, 1));  // the third click
    QCOMPARE(view.selectedText(), QStringLiteral("E:\\DOCS\\report_2.txt here"));

    // Dragging from the start of the last line to its end.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    QTest::mousePress(surface, Qt::LeftButton, {}, pointOf(view, 0, 2));
    QMouseEvent move(QEvent::MouseMove, pointOf(view, 3, 2), surface->mapToGlobal(pointOf(view, 3, 2)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(surface, &move);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, pointOf(view, 3, 2));
    QCOMPARE(view.selectedText(), QStringLiteral("las"));
  }

  void keysMoveSelectCopyAndReportFunctionKeys() {
    CatalogueView view;
    view.setText(QStringLiteral("abc\nde\nfghij"));
    view.setCaretPosition(2);
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.caretPosition(), 6);  // column 2 does not exist on "de": its end
    QTest::keyClick(&view, Qt::Key_Down);
    QCOMPARE(view.caretPosition(), 9);
    QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(view.selectedText(), QStringLiteral("hij"));
    QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view.selectedText(), QStringLiteral("abc\nde\nfg"));
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.caretPosition(), 1);
    QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(view.caretPosition(), 12);

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view.selectionLength(), 12);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc\nde\nfghij"));

    QSignalSpy functionKeys(&view, &CatalogueView::functionKeyPressed);
    QTest::keyClick(&view, Qt::Key_F3);
    QTest::keyClick(&view, Qt::Key_F4);
    QCOMPARE(functionKeys.count(), 2);
    QCOMPARE(functionKeys.at(1).at(0).toInt(), int(Qt::Key_F4));
  }

  void editableModeHandsTheEditedTextBack() {
    CatalogueView view;
    view.show();
    view.setText(QStringLiteral("one\r\ntwo"));
    view.setCaretPosition(3);
    QVERIFY(view.isReadOnly());
    view.setReadOnly(false);
    QVERIFY(!view.isReadOnly());
    auto* editor = view.findChild<QPlainTextEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->textCursor().position(), 3);

    QSignalSpy functionKeys(&view, &CatalogueView::functionKeyPressed);
    QTest::keyClicks(editor, QStringLiteral(" and a half"));
    QTest::keyClick(editor, Qt::Key_F3);
    QCOMPARE(functionKeys.count(), 1);
    QCOMPARE(view.text(), QStringLiteral("one and a half\ntwo"));
    QCOMPARE(view.caretPosition(), 14);
    QCOMPARE(view.find(QStringLiteral("TWO"), 0), 15);
    QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("two"));

    view.setReadOnly(true);
    QVERIFY(!view.findChild<QPlainTextEdit*>());
    QCOMPARE(view.text(), QStringLiteral("one and a half\ntwo"));
    QCOMPARE(view.lineCount(), 2);
    QCOMPARE(view.selectedText(), QStringLiteral("two"));
  }
};

QTEST_MAIN(CatalogueViewTest)
#include "CatalogueViewTest.moc"
