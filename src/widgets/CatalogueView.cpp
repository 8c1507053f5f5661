#include "widgets/CatalogueView.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <algorithm>
#include <cmath>

#include "widgets/CatalogueViewAccessible.h"
#include "widgets/CatalogueView_p.h"
#include "widgets/TextMotion.h"

namespace quilmo {

namespace {

constexpr int kMargin = 4;
constexpr int kCaretWidth = 2;
// A line longer than this (a file that is not a catalogue) is shown cut, so that painting
// stays quick; find and copy still see all of it.
constexpr qint64 kShownColumns = 10000;

struct KeyMotion {
  QKeySequence::StandardKey move, extend;
  Motion motion;
};

constexpr KeyMotion kKeyMotions[] = {
    {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Motion::CharLeft},
    {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Motion::CharRight},
    {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Motion::LineUp},
    {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Motion::LineDown},
    {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Motion::PageUp},
    {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Motion::PageDown},
    {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Motion::LineStart},
    {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Motion::LineEnd},
    {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Motion::Top},
    {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Motion::Bottom},
};

enum class Column { NearestGap, Character };

// The column of line, drawn from left, that x falls on: the character there, or the gap
// between characters nearest to x (where a click puts the caret). Edges are measured on
// the line as it is drawn, whole, so that they agree with the painting to the pixel.
qint64 columnAt(const QString& line, const QFontMetrics& metrics, int left, int x, Column kind) {
  const auto edge = [&](qint64 column) { return left + metrics.horizontalAdvance(line.left(column)); };
  qint64 low = 0, high = line.size();  // the last column whose left edge is at or before x
  while (low < high) {
    const qint64 middle = (low + high + 1) / 2;
    if (edge(middle) <= x) low = middle;
    else high = middle - 1;
  }
  if (kind == Column::NearestGap && low < line.size() && x - edge(low) >= edge(low + 1) - x) ++low;
  return low;
}

}  // namespace

CatalogueView::CatalogueView(QWidget* parent) : QAbstractScrollArea(parent), d(new Private) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  updateScrollBars();
  CatalogueViewAccessible::attach(this);
}

CatalogueView::~CatalogueView() { delete d; }

bool CatalogueView::loadFile(const QString& path, QString* error) {
  const QString removed = CatalogueViewAccessible::announcedText(this, 0, length());
  const bool loaded = d->index.load(path, error);
  d->filePath = loaded ? path : QString();
  contentReplaced(removed);
  return loaded;
}

void CatalogueView::setText(const QString& text) { setUtf8Text(text.toUtf8()); }

void CatalogueView::setUtf8Text(QByteArray text) {
  const QString removed = CatalogueViewAccessible::announcedText(this, 0, length());
  d->index.setUtf8(std::move(text));
  d->filePath.clear();
  contentReplaced(removed);
}

void CatalogueView::appendText(const QString& text) {
  d->pull();
  const qint64 end = d->index.length();
  d->index.append(text);
  d->pushAppended(text);
  updateScrollBars();
  viewport()->update();
  CatalogueViewAccessible::announceInserted(this, end, text);
  Q_EMIT contentChanged();
}

QString CatalogueView::text() const {
  d->pull();
  return d->index.text();
}

void CatalogueView::clear() {
  const QString removed = CatalogueViewAccessible::announcedText(this, 0, length());
  d->index.clear();
  d->filePath.clear();
  contentReplaced(removed);
}

bool CatalogueView::isEmpty() const { return length() == 0; }

QString CatalogueView::filePath() const { return d->filePath; }

void CatalogueView::fileMoved(const QString& path) { d->filePath = path; }

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

void CatalogueView::contentReplaced(const QString& removedText) {
  d->anchor = d->cursor = 0;
  d->pushText();
  updateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  CatalogueViewAccessible::announceRemoved(this, 0, removedText);
  CatalogueViewAccessible::announceInserted(this, 0, CatalogueViewAccessible::announcedText(this, 0, d->index.length()));
  Q_EMIT contentChanged();
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

void CatalogueView::ensureCaretVisible() { ensureVisible(d->cursor); }

void CatalogueView::ensureVisible(qint64 position) {
  const qint64 row = d->index.lineOfPosition(position);
  const int rows = visibleRows();
  QScrollBar* vertical = verticalScrollBar();
  if (row < vertical->value()) vertical->setValue(int(row));
  else if (row >= vertical->value() + rows) vertical->setValue(int(row - rows + 1));

  const QString line = shownLine(row);
  const int x = xOfColumn(line, position - d->index.lineStart(row)) + horizontalScrollBar()->value();
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

qint64 CatalogueView::rowAt(int y) const {
  return std::clamp<qint64>(verticalScrollBar()->value() + qint64(std::floor(double(y) / fontMetrics().lineSpacing())),
                            0, d->index.rowCount() - 1);
}

qint64 CatalogueView::positionAt(const QPoint& point) const {
  const qint64 row = rowAt(point.y());
  return d->index.lineStart(row) + columnAt(shownLine(row), fontMetrics(), kMargin - horizontalScrollBar()->value(),
                                            point.x(), Column::NearestGap);
}

qint64 CatalogueView::characterAt(const QPoint& point) const {
  const qint64 row = rowAt(point.y());
  return d->index.lineStart(row) + columnAt(shownLine(row), fontMetrics(), kMargin - horizontalScrollBar()->value(),
                                            point.x(), Column::Character);
}

QRect CatalogueView::characterRect(qint64 position) const {
  position = std::clamp<qint64>(position, 0, d->index.length());
  const qint64 row = d->index.lineOfPosition(position);
  const QString line = shownLine(row);
  const qint64 column = std::min<qint64>(position - d->index.lineStart(row), line.size());
  const QFontMetrics metrics = fontMetrics();
  const int width = metrics.horizontalAdvance(column < line.size() ? line[column] : QChar(u' '));  // or the break
  const qint64 y = (row - verticalScrollBar()->value()) * metrics.lineSpacing();
  return QRect(xOfColumn(line, column), int(y), width, metrics.lineSpacing());
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
  for (const KeyMotion& key : kKeyMotions) {
    const bool extend = event->matches(key.extend);
    if (!extend && !event->matches(key.move)) continue;
    const int page = visibleRows();
    if (key.motion == Motion::PageUp || key.motion == Motion::PageDown)  // the page turns with the caret
      verticalScrollBar()->setValue(verticalScrollBar()->value() + (key.motion == Motion::PageUp ? -page : page));
    moveCaret(movedPosition(d->index, d->cursor, key.motion, page), extend);
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
  if (thirdClick) {
    const TextSpan line = lineAt(d->index, positionAt(point));
    select(line.start, line.length);
  } else {
    moveCaret(positionAt(point), event->modifiers() & Qt::ShiftModifier);
  }
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
  const TextSpan word = wordAt(d->index, positionAt(d->doubleClickPoint));
  select(word.start, word.length);
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

}  // namespace quilmo
