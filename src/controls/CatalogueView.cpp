#include "controls/CatalogueView.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "controls/LineIndex.h"

namespace quilmo {

namespace {

constexpr int kMargin = 4;
constexpr int kCaretWidth = 2;
// A line longer than this (a file that is not a catalogue) is shown cut, so that painting
// stays quick; find and copy still see all of it.
constexpr qint64 kShownColumns = 10000;

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

enum class Step { CharLeft, CharRight, LineUp, LineDown, PageUp, PageDown, LineStart, LineEnd, Top, Bottom };

struct Motion {
  QKeySequence::StandardKey move, extend;
  Step step;
};

constexpr Motion kMotions[] = {
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::CharLeft},
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::CharRight},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Step::LineUp},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Step::LineDown},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Step::PageUp},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Step::PageDown},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::LineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::LineEnd},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::Top},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::Bottom},
};

}  // namespace

class CatalogueView::Private {
 public:
  LineIndex index;
  qint64 anchor = 0;
  qint64 cursor = 0;  // the moving end of the selection, where the caret is drawn

  // Present only while the view is editable.
  QPlainTextEdit* editor = nullptr;
  bool editorChanged = false;
  bool editorDoubleClicked = false;

  bool dragging = false;
  bool singleClick = false;
  QElapsedTimer sinceDoubleClick;
  QPoint doubleClickPoint;

  qint64 selectionStart() const { return std::min(anchor, cursor); }
  qint64 selectionEnd() const { return std::max(anchor, cursor); }

  // Takes the editor's text (when it changed) and its selection.
  void pull() {
    if (!editor) return;
    if (editorChanged) {
      index.setText(editor->toPlainText());
      editorChanged = false;
    }
    const QTextCursor c = editor->textCursor();
    anchor = c.anchor();
    cursor = c.position();
  }

  void pushSelection() {
    if (!editor) return;
    QTextCursor c = editor->textCursor();
    c.setPosition(int(anchor));
    c.setPosition(int(cursor), QTextCursor::KeepAnchor);
    editor->setTextCursor(c);
    editor->ensureCursorVisible();
  }
};

CatalogueView::CatalogueView(QWidget* parent) : QAbstractScrollArea(parent), d(new Private) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  updateScrollBars();
}

CatalogueView::~CatalogueView() { delete d; }

bool CatalogueView::loadFile(const QString& path, QString* error) {
  const bool loaded = d->index.load(path, error);
  contentReplaced();
  return loaded;
}

void CatalogueView::setText(const QString& text) {
  d->index.setText(text);
  contentReplaced();
}

void CatalogueView::appendText(const QString& text) {
  d->pull();
  d->index.append(text);
  if (d->editor) {
    QTextCursor end(d->editor->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
  }
  updateScrollBars();
  viewport()->update();
}

QString CatalogueView::text() const {
  d->pull();
  return d->index.text();
}

void CatalogueView::clear() {
  d->index.clear();
  contentReplaced();
}

bool CatalogueView::isEmpty() const { return length() == 0; }

qint64 CatalogueView::length() const {
  d->pull();
  return d->index.length();
}

qint64 CatalogueView::lineCount() const {
  d->pull();
  return d->index.lineCount();
}

qint64 CatalogueView::lineOfPosition(qint64 position) const {
  d->pull();
  return d->index.lineOfPosition(position);
}

qint64 CatalogueView::caretPosition() const {
  d->pull();
  return d->selectionStart();
}

void CatalogueView::setCaretPosition(qint64 position) {
  d->pull();
  moveCaret(position, false);
}

QString CatalogueView::selectedText() const {
  d->pull();
  return d->index.text(d->selectionStart(), selectionLength());
}

qint64 CatalogueView::selectionLength() const {
  d->pull();
  return d->selectionEnd() - d->selectionStart();
}

void CatalogueView::select(qint64 start, qint64 length) {
  d->pull();
  d->anchor = std::clamp<qint64>(start, 0, d->index.length());
  moveCaret(start + length, true);
}

void CatalogueView::selectAll() { select(0, length()); }

void CatalogueView::copy() const {
  const QString selected = selectedText();
  if (!selected.isEmpty()) QGuiApplication::clipboard()->setText(selected);
}

qint64 CatalogueView::find(const QString& word, qint64 from) {
  d->pull();
  const qint64 hit = d->index.find(word, from);
  if (hit < 0) return hit;
  // A hit out of sight comes to the middle, with the lines around it.
  const qint64 row = d->index.lineOfPosition(hit);
  QScrollBar* vertical = verticalScrollBar();
  if (!d->editor && (row < vertical->value() || row >= vertical->value() + visibleRows()))
    vertical->setValue(int(row - visibleRows() / 2));
  select(hit, word.size());
  return hit;
}

bool CatalogueView::isReadOnly() const { return d->editor == nullptr; }

void CatalogueView::setReadOnly(bool readOnly) {
  if (readOnly == isReadOnly()) return;
  if (readOnly) stopEditing();
  else startEditing();
}

// --- state changes -----------------------------------------------------------------

void CatalogueView::contentReplaced() {
  d->anchor = d->cursor = 0;
  if (d->editor) {
    d->editor->setPlainText(d->index.text());
    d->editorChanged = false;
  }
  updateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  Q_EMIT selectionChanged();
}

void CatalogueView::moveCaret(qint64 position, bool keepAnchor) {
  const qint64 oldAnchor = d->anchor, oldCursor = d->cursor;
  d->cursor = std::clamp<qint64>(position, 0, d->index.length());
  if (!keepAnchor) d->anchor = d->cursor;
  if (d->editor) {
    d->pushSelection();  // the editor reports the change itself
    return;
  }
  ensureCaretVisible();
  viewport()->update();
  if (d->anchor != oldAnchor || d->cursor != oldCursor) Q_EMIT selectionChanged();
}

void CatalogueView::ensureCaretVisible() {
  const qint64 row = d->index.lineOfPosition(d->cursor);
  const int rows = visibleRows();
  QScrollBar* vertical = verticalScrollBar();
  if (row < vertical->value()) vertical->setValue(int(row));
  else if (row >= vertical->value() + rows) vertical->setValue(int(row - rows + 1));

  const QString line = shownLine(row);
  const int x = xOfColumn(line, d->cursor - d->index.lineStart(row)) + horizontalScrollBar()->value();
  const int width = viewport()->width() - 2 * kMargin - kCaretWidth;
  QScrollBar* horizontal = horizontalScrollBar();
  if (x - kMargin < horizontal->value()) horizontal->setValue(x - kMargin);
  else if (x - kMargin > horizontal->value() + width) horizontal->setValue(x - kMargin - width);
}

void CatalogueView::updateScrollBars() {
  const QFontMetrics metrics = fontMetrics();
  const int rows = visibleRows();
  const qint64 lastTop = std::max<qint64>(0, d->index.rowCount() - rows);
  verticalScrollBar()->setRange(0, int(std::min<qint64>(lastTop, INT_MAX)));
  verticalScrollBar()->setPageStep(rows);
  verticalScrollBar()->setSingleStep(1);

  const int charWidth = metrics.horizontalAdvance(u'M');
  const qint64 contentWidth = std::min(d->index.longestLine(), kShownColumns) * charWidth + 2 * kMargin + kCaretWidth;
  const int width = viewport()->width();
  horizontalScrollBar()->setRange(0, int(std::clamp<qint64>(contentWidth - width, 0, INT_MAX)));
  horizontalScrollBar()->setPageStep(width);
  horizontalScrollBar()->setSingleStep(charWidth);
}

// --- geometry ------------------------------------------------------------------------

int CatalogueView::visibleRows() const {
  return std::max(1, viewport()->height() / fontMetrics().lineSpacing());
}

QString CatalogueView::shownLine(qint64 row) const { return d->index.lineText(row, kShownColumns); }

int CatalogueView::xOfColumn(const QString& line, qint64 column) const {
  return kMargin - horizontalScrollBar()->value() + fontMetrics().horizontalAdvance(line.left(column));
}

qint64 CatalogueView::positionAt(const QPoint& point) const {
  const int lineHeight = fontMetrics().lineSpacing();
  const qint64 row = std::clamp<qint64>(
      verticalScrollBar()->value() + qint64(std::floor(double(point.y()) / lineHeight)), 0,
      d->index.rowCount() - 1);
  const QString line = shownLine(row);
  const QFontMetrics metrics = fontMetrics();
  int left = kMargin - horizontalScrollBar()->value();
  qint64 column = 0;
  for (; column < line.size(); ++column) {
    const int width = metrics.horizontalAdvance(line[column]);
    if (point.x() < left + width / 2) break;
    left += width;
  }
  return d->index.lineStart(row) + column;
}

void CatalogueView::selectWordAt(qint64 position) {
  const qint64 row = d->index.lineOfPosition(position);
  const QString line = shownLine(row);
  qint64 column = position - d->index.lineStart(row);
  if ((column >= line.size() || !isWordCharacter(line[column])) && column > 0 && isWordCharacter(line[column - 1]))
    --column;  // just after a word: take that word
  qint64 first = column, last = std::min<qint64>(column + 1, line.size());
  if (column < line.size() && isWordCharacter(line[column])) {
    while (first > 0 && isWordCharacter(line[first - 1])) --first;
    while (last < line.size() && isWordCharacter(line[last])) ++last;
  }
  select(d->index.lineStart(row) + first, last - first);
}

void CatalogueView::selectLineAt(qint64 position) {
  const qint64 row = d->index.lineOfPosition(position);
  select(d->index.lineStart(row), d->index.lineLength(row));
}

// --- events --------------------------------------------------------------------------

void CatalogueView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPalette& colours = palette();
  painter.fillRect(viewport()->rect(), colours.base());
  const QFontMetrics metrics = fontMetrics();
  const int lineHeight = metrics.lineSpacing();
  const qint64 top = verticalScrollBar()->value();
  const qint64 bottom = std::min<qint64>(d->index.rowCount(), top + viewport()->height() / lineHeight + 1);
  const qint64 selStart = d->selectionStart(), selEnd = d->selectionEnd();
  const int left = kMargin - horizontalScrollBar()->value();
  for (qint64 row = top; row < bottom; ++row) {
    const QString line = shownLine(row);
    const qint64 start = d->index.lineStart(row);
    const int y = int(row - top) * lineHeight;
    QRect selected;
    if (selStart < selEnd && selStart <= start + line.size() && selEnd > start) {
      const int from = xOfColumn(line, std::max(selStart, start) - start);
      int to = xOfColumn(line, std::min<qint64>(selEnd, start + line.size()) - start);
      if (selEnd > start + line.size()) to += metrics.horizontalAdvance(u' ');  // the line break
      selected = QRect(from, y, to - from, lineHeight);
      painter.fillRect(selected, colours.highlight());
    }
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(left, y + metrics.ascent(), line);
    if (!selected.isEmpty()) {
      painter.save();
      painter.setClipRect(selected);
      painter.setPen(colours.color(QPalette::HighlightedText));
      painter.drawText(left, y + metrics.ascent(), line);
      painter.restore();
    }
    if (hasFocus() && d->index.lineOfPosition(d->cursor) == row)
      painter.fillRect(xOfColumn(line, d->cursor - start), y, kCaretWidth, lineHeight, colours.text());
  }
}

void CatalogueView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (d->editor) d->editor->setGeometry(rect());
  updateScrollBars();
}

void CatalogueView::scrollContentsBy(int, int) { viewport()->update(); }

void CatalogueView::keyPressEvent(QKeyEvent* event) {
  if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F12) {
    Q_EMIT functionKeyPressed(event->key());
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) return selectAll();
  if (event->matches(QKeySequence::Copy)) return copy();
  for (const Motion& motion : kMotions) {
    const bool extend = event->matches(motion.extend);
    if (!extend && !event->matches(motion.move)) continue;
    const qint64 row = d->index.lineOfPosition(d->cursor);
    const qint64 column = d->cursor - d->index.lineStart(row);
    const int page = visibleRows();
    const auto inRow = [this, column](qint64 target) {
      target = std::clamp<qint64>(target, 0, d->index.rowCount() - 1);
      return d->index.lineStart(target) + std::min(column, d->index.lineLength(target));
    };
    qint64 to = d->cursor;
    switch (motion.step) {
      case Step::CharLeft: to = d->cursor - 1; break;
      case Step::CharRight: to = d->cursor + 1; break;
      case Step::LineUp: to = inRow(row - 1); break;
      case Step::LineDown: to = inRow(row + 1); break;
      case Step::PageUp:
        verticalScrollBar()->setValue(verticalScrollBar()->value() - page);
        to = inRow(row - page);
        break;
      case Step::PageDown:
        verticalScrollBar()->setValue(verticalScrollBar()->value() + page);
        to = inRow(row + page);
        break;
      case Step::LineStart: to = d->index.lineStart(row); break;
      case Step::LineEnd: to = d->index.lineStart(row) + d->index.lineLength(row); break;
      case Step::Top: to = 0; break;
      case Step::Bottom: to = d->index.length(); break;
    }
    moveCaret(to, extend);
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void CatalogueView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  const QPoint point = event->position().toPoint();
  const QStyleHints* hints = QGuiApplication::styleHints();
  const bool thirdClick = d->sinceDoubleClick.isValid() &&
                          d->sinceDoubleClick.elapsed() < hints->mouseDoubleClickInterval() &&
                          (point - d->doubleClickPoint).manhattanLength() < hints->startDragDistance();
  d->sinceDoubleClick.invalidate();
  d->singleClick = !thirdClick;
  d->dragging = !thirdClick;
  if (thirdClick) selectLineAt(positionAt(point));
  else moveCaret(positionAt(point), event->modifiers() & Qt::ShiftModifier);
}

void CatalogueView::mouseMoveEvent(QMouseEvent* event) {
  if (d->dragging && (event->buttons() & Qt::LeftButton)) moveCaret(positionAt(event->position().toPoint()), true);
}

void CatalogueView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  d->dragging = false;
  if (d->singleClick) {
    d->singleClick = false;
    Q_EMIT clicked();
  }
}

void CatalogueView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
  d->dragging = d->singleClick = false;
  d->doubleClickPoint = event->position().toPoint();
  d->sinceDoubleClick.start();
  selectWordAt(positionAt(d->doubleClickPoint));
  Q_EMIT doubleClicked();
}

void CatalogueView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    if (d->editor) d->editor->setFont(font());
    updateScrollBars();
    viewport()->update();
  }
}

void CatalogueView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void CatalogueView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

// --- editable mode -------------------------------------------------------------------

void CatalogueView::startEditing() {
  const bool hadFocus = hasFocus();
  d->editor = new QPlainTextEdit(this);
  d->editor->setFont(font());
  d->editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  d->editor->setPlainText(d->index.text());
  d->editorChanged = false;
  d->pushSelection();
  connect(d->editor->document(), &QTextDocument::contentsChanged, this, [this] { d->editorChanged = true; });
  connect(d->editor, &QPlainTextEdit::cursorPositionChanged, this, &CatalogueView::selectionChanged);
  connect(d->editor, &QPlainTextEdit::selectionChanged, this, &CatalogueView::selectionChanged);
  d->editor->installEventFilter(this);
  d->editor->viewport()->installEventFilter(this);
  d->editor->setGeometry(rect());
  d->editor->show();
  setFocusProxy(d->editor);
  if (hadFocus) d->editor->setFocus();
}

void CatalogueView::stopEditing() {
  const bool hadFocus = d->editor->hasFocus();
  d->pull();
  setFocusProxy(nullptr);
  delete d->editor;
  d->editor = nullptr;
  updateScrollBars();
  ensureCaretVisible();
  viewport()->update();
  if (hadFocus) setFocus();
}

// Gives the editor's keys and clicks the same meaning as the view's own.
bool CatalogueView::eventFilter(QObject* watched, QEvent* event) {
  if (!d->editor) return false;
  if (watched == d->editor && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
      Q_EMIT functionKeyPressed(key);
      return true;
    }
  }
  if (watched == d->editor->viewport()) {
    if (event->type() == QEvent::MouseButtonDblClick) {
      d->editorDoubleClicked = true;
      QTimer::singleShot(0, this, &CatalogueView::doubleClicked);  // after the editor selected the word
    } else if (event->type() == QEvent::MouseButtonRelease) {
      if (!std::exchange(d->editorDoubleClicked, false)) Q_EMIT clicked();
    }
  }
  return false;
}

}  // namespace quilmo
