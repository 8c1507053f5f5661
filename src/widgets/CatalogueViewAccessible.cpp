#include "widgets/CatalogueViewAccessible.h"

#include <QPlainTextEdit>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <climits>

#include "widgets/CatalogueView_p.h"

namespace quilmo {

namespace {

// A change event carries at most this much of the text it names: enough for a reader to
// announce it, while a catalogue of 100 MB is not copied onto the bus. The rest is read
// through the interface on demand.
constexpr qint64 kAnnouncedChars = 4096;

int clampedInt(qint64 value) { return int(std::clamp<qint64>(value, INT_MIN, INT_MAX)); }

QAccessibleInterface* catalogueViewFactory(const QString& className, QObject* object) {
  auto* view = qobject_cast<CatalogueView*>(object);
  if (!view || className != QLatin1String(CatalogueView::staticMetaObject.className())) return nullptr;
  return new CatalogueViewAccessible(view);
}

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType boundary) {
  switch (boundary) {
    case QAccessible::WordBoundary: return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary: return QTextBoundaryFinder::Sentence;
    default: return QTextBoundaryFinder::Grapheme;
  }
}

}  // namespace

CatalogueViewAccessible::CatalogueViewAccessible(CatalogueView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void CatalogueViewAccessible::attach(CatalogueView* view) {
  static const bool installed = (QAccessible::installFactory(catalogueViewFactory), true);
  Q_UNUSED(installed);
  // The last selection announced, so that a caret moving without one stays a caret event.
  QObject::connect(view, &CatalogueView::selectionChanged, view, [view, announced = false]() mutable {
    if (!QAccessible::isActive()) return;
    view->d->pull();
    const qint64 start = view->d->selectionStart(), end = view->d->selectionEnd();
    QAccessibleTextCursorEvent caret(view, clampedInt(view->d->cursor));
    QAccessible::updateAccessibility(&caret);
    if (start == end && !announced) return;
    announced = start != end;
    QAccessibleTextSelectionEvent selection(view, clampedInt(start), clampedInt(end));
    selection.setCursorPosition(clampedInt(view->d->cursor));
    QAccessible::updateAccessibility(&selection);
  });
}

QString CatalogueViewAccessible::announcedText(const CatalogueView* view, qint64 position, qint64 length) {
  if (!QAccessible::isActive()) return {};
  return view->d->index.text(position, std::min(length, kAnnouncedChars));
}

void CatalogueViewAccessible::announceRemoved(CatalogueView* view, qint64 position, const QString& removed) {
  if (!QAccessible::isActive() || removed.isEmpty()) return;
  QAccessibleTextRemoveEvent event(view, clampedInt(position), removed);
  QAccessible::updateAccessibility(&event);
}

void CatalogueViewAccessible::announceInserted(CatalogueView* view, qint64 position, const QString& inserted) {
  if (!QAccessible::isActive() || inserted.isEmpty()) return;
  QAccessibleTextInsertEvent event(view, clampedInt(position), inserted.left(kAnnouncedChars));
  QAccessible::updateAccessibility(&event);
}

CatalogueView* CatalogueViewAccessible::view() const { return static_cast<CatalogueView*>(widget()); }

QAccessibleTextInterface* CatalogueViewAccessible::editorText() const {
  QPlainTextEdit* editor = view()->d->editor;
  QAccessibleInterface* accessible = editor ? QAccessible::queryAccessibleInterface(editor) : nullptr;
  return accessible ? accessible->textInterface() : nullptr;
}

void* CatalogueViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CatalogueViewAccessible::text(QAccessible::Text type) const {
  const QString own = QAccessibleWidget::text(type);
  if (type == QAccessible::Name && own.isEmpty()) return QStringLiteral("Catalogue");
  return own;
}

QAccessible::State CatalogueViewAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = view()->isReadOnly();
  state.editable = !state.readOnly;
  state.multiLine = true;
  state.selectableText = true;
  state.focusable = true;
  return state;
}

// --- caret and selection -------------------------------------------------------------

void CatalogueViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || selectionCount() == 0) return;
  *startOffset = clampedInt(view()->d->selectionStart());
  *endOffset = clampedInt(view()->d->selectionEnd());
}

int CatalogueViewAccessible::selectionCount() const { return view()->selectionLength() > 0 ? 1 : 0; }

// The view holds one selection: a new one takes the place of the old.
void CatalogueViewAccessible::addSelection(int startOffset, int endOffset) {
  view()->select(startOffset, endOffset - startOffset);
}

void CatalogueViewAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) view()->setCaretPosition(cursorPosition());
}

void CatalogueViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) view()->select(startOffset, endOffset - startOffset);
}

int CatalogueViewAccessible::cursorPosition() const {
  view()->d->pull();
  return clampedInt(view()->d->cursor);
}

void CatalogueViewAccessible::setCursorPosition(int position) { view()->setCaretPosition(position); }

// --- text ----------------------------------------------------------------------------

QString CatalogueViewAccessible::text(int startOffset, int endOffset) const {
  const qint64 length = view()->length();
  if (endOffset < 0 || endOffset > length) endOffset = clampedInt(length);  // -1: to the end
  if (startOffset < 0 || startOffset >= endOffset) return {};
  return view()->d->index.text(startOffset, endOffset - startOffset);
}

int CatalogueViewAccessible::characterCount() const { return clampedInt(view()->length()); }

// A line is its characters and then its line break; a word or character is found within
// its line alone, so no query decodes more than one line.
CatalogueViewAccessible::Span CatalogueViewAccessible::spanAt(qint64 offset,
                                                              QAccessible::TextBoundaryType boundary) const {
  const LineIndex& index = view()->d->index;
  const qint64 length = index.length();
  if (offset < 0 || offset > length) return {};
  if (boundary == QAccessible::NoBoundary) return {0, length};
  const qint64 row = index.lineOfPosition(offset);
  const qint64 lineStart = index.lineStart(row);
  const qint64 lineEnd = row + 1 < index.rowCount() ? index.lineStart(row + 1) : length;
  if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary)
    return {lineStart, lineEnd};
  if (offset == length) return {length, length};
  const QString line = index.text(lineStart, lineEnd - lineStart);
  QTextBoundaryFinder finder(finderType(boundary), line);
  finder.setPosition(int(offset - lineStart));
  const qint64 start = finder.isAtBoundary() ? finder.position() : finder.toPreviousBoundary();
  finder.setPosition(int(offset - lineStart));
  const qint64 end = finder.toNextBoundary();
  return {lineStart + start, lineStart + (end < 0 ? line.size() : end)};
}

QString CatalogueViewAccessible::textOf(Span span, int* startOffset, int* endOffset) const {
  *startOffset = clampedInt(span.start);
  *endOffset = clampedInt(span.end);
  if (span.start < 0 || span.end <= span.start) return {};
  return view()->d->index.text(span.start, span.end - span.start);
}

QString CatalogueViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                              int* endOffset) const {
  view()->d->pull();
  return textOf(spanAt(offset, boundary), startOffset, endOffset);
}

QString CatalogueViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                  int* startOffset, int* endOffset) const {
  view()->d->pull();
  const Span at = spanAt(offset, boundary);
  return textOf(at.start > 0 ? spanAt(at.start - 1, boundary) : Span{}, startOffset, endOffset);
}

QString CatalogueViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                 int* startOffset, int* endOffset) const {
  view()->d->pull();
  const Span at = spanAt(offset, boundary);
  const qint64 length = view()->d->index.length();
  return textOf(at.start >= 0 && at.end < length ? spanAt(at.end, boundary) : Span{}, startOffset, endOffset);
}

QString CatalogueViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  // Plain text: one run without attributes.
  *startOffset = offset < 0 ? -1 : 0;
  *endOffset = offset < 0 ? -1 : characterCount();
  return {};
}

// --- geometry ------------------------------------------------------------------------

QRect CatalogueViewAccessible::characterRect(int offset) const {
  if (QAccessibleTextInterface* editor = editorText()) return editor->characterRect(offset);
  const QRect rect = view()->characterRect(offset);
  return QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int CatalogueViewAccessible::offsetAtPoint(const QPoint& point) const {
  if (QAccessibleTextInterface* editor = editorText()) return editor->offsetAtPoint(point);
  const QPoint local = view()->viewport()->mapFromGlobal(point);
  if (!view()->viewport()->rect().contains(local)) return -1;
  return clampedInt(view()->characterAt(local));
}

void CatalogueViewAccessible::scrollToSubstring(int startIndex, int endIndex) {
  if (QAccessibleTextInterface* editor = editorText()) return editor->scrollToSubstring(startIndex, endIndex);
  view()->ensureVisible(endIndex);
  view()->ensureVisible(startIndex);
}

}  // namespace quilmo
