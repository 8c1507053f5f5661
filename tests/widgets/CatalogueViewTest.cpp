#include <QAccessible>
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

QString lineOf(int i) { return QStringLiteral("\"E:\\DISC\\\",\"file%1.txt\"").arg(i); }

}  // namespace

class CatalogueViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Counting and reading are LineIndex's; the view adds the caret and the selection signal.
  void loadsAFileCountsItsLinesSelectsAppendsAndMovesTheCaret() {
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
    QSignalSpy edits(&view, &CatalogueView::contentChanged);
    view.setReadOnly(false);
    QVERIFY(!view.isReadOnly());
    QCOMPARE(edits.count(), 0);  // handing the text to the editor is no edit
    auto* editor = view.findChild<QPlainTextEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->textCursor().position(), 3);

    QSignalSpy functionKeys(&view, &CatalogueView::functionKeyPressed);
    QTest::keyClicks(editor, QStringLiteral(" and a half"));
    QTest::keyClick(editor, Qt::Key_F3);
    QCOMPARE(functionKeys.count(), 1);
    QVERIFY(edits.count() > 0);
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

  // A screen reader reads the view through this interface; offsets count characters with
  // one line break between lines, whatever the file held (CR LF here).
  void readersReadLinesWordsAndSlicesMoveTheCaretSelectAndPointAtCharacters() {
    CatalogueView view;
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setText(numberedLines(3000));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Catalogue"));
    QVERIFY(accessible->state().readOnly && accessible->state().multiLine);
    QCOMPARE(text->characterCount(), int(view.length()));

    int start = 0, end = 0;
    const int line2000 = int(view.find(lineOf(2000), 0));
    QCOMPARE(text->textAtOffset(line2000 + 5, QAccessible::LineBoundary, &start, &end), lineOf(2000) + u'\n');
    QCOMPARE(start, line2000);
    QCOMPARE(end, line2000 + lineOf(2000).size() + 1);
    QCOMPARE(view.lineOfPosition(end), 2001);
    QCOMPARE(text->textAtOffset(end - 1, QAccessible::LineBoundary, &start, &end), lineOf(2000) + u'\n');
    QCOMPARE(text->textBeforeOffset(line2000, QAccessible::LineBoundary, &start, &end), lineOf(1999) + u'\n');
    QCOMPARE(text->textAfterOffset(line2000, QAccessible::LineBoundary, &start, &end), lineOf(2001) + u'\n');
    QCOMPARE(text->text(line2000 - 5, line2000 + 3), QStringLiteral("txt\"\n\"E:"));
    const int file = line2000 + 12;
    QCOMPARE(text->textAtOffset(file + 2, QAccessible::WordBoundary, &start, &end), QStringLiteral("file2000"));
    QCOMPARE(start, file);
    QCOMPARE(text->textAfterOffset(file, QAccessible::CharBoundary, &start, &end), QStringLiteral("i"));
    QCOMPARE(text->textAtOffset(text->characterCount(), QAccessible::LineBoundary, &start, &end), QString());
    QCOMPARE(text->textBeforeOffset(text->characterCount(), QAccessible::LineBoundary, &start, &end),
             lineOf(2999) + u'\n');

    const int hit = int(view.find(QStringLiteral("file2500.txt"), 0));
    QCOMPARE(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    QCOMPARE(text->text(start, end), QStringLiteral("file2500.txt"));
    text->setCursorPosition(hit + 4);
    QCOMPARE(view.caretPosition(), hit + 4);
    QCOMPARE(text->selectionCount(), 0);
    text->setSelection(0, hit - 1, hit + 4);
    QCOMPARE(view.selectedText(), QStringLiteral("\"file"));
    text->removeSelection(0);
    QCOMPARE(view.selectionLength(), 0);
    QCOMPARE(text->cursorPosition(), hit + 4);

    // Where a character is drawn is where pointing finds it; a triple click there selects its line.
    view.setCaretPosition(0);
    const int at = hit + 4;
    text->scrollToSubstring(at, at + 1);
    const QRect first = text->characterRect(at), next = text->characterRect(at + 1);
    QVERIFY(view.viewport()->rect().contains(view.viewport()->mapFromGlobal(first.center())));
    QCOMPARE(text->offsetAtPoint(first.center()), at);
    QCOMPARE(text->offsetAtPoint(next.center()), at + 1);
    QCOMPARE(next.left(), first.right() + 1);
    const QPoint there = view.viewport()->mapFromGlobal(first.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, there);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, there);
    QCOMPARE(view.selectedText() + u'\n', text->textAtOffset(at, QAccessible::LineBoundary, &start, &end));
  }
};

QTEST_MAIN(CatalogueViewTest)
#include "CatalogueViewTest.moc"
