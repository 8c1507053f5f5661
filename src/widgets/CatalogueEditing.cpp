// The editable mode of the catalogue view: a stock editor laid over the view holds the
// text while the user may type; made read-only again, the view takes the text back.
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <utility>

#include "widgets/CatalogueViewAccessible.h"
#include "widgets/CatalogueView_p.h"

namespace quilmo {

void CatalogueView::Private::pull() {
  if (!editor) return;
  if (editorChanged) {
    index.setText(editor->toPlainText());
    editorChanged = false;
  }
  const QTextCursor c = editor->textCursor();
  anchor = c.anchor();
  cursor = c.position();
}

void CatalogueView::Private::pushSelection() {
  if (!editor) return;
  QTextCursor c = editor->textCursor();
  c.setPosition(int(anchor));
  c.setPosition(int(cursor), QTextCursor::KeepAnchor);
  editor->setTextCursor(c);
  editor->ensureCursorVisible();
}

void CatalogueView::Private::pushText() {
  if (!editor) return;
  const QScopedValueRollback guard(pushing, true);
  editor->setPlainText(index.text());
  editorChanged = false;
}

void CatalogueView::Private::pushAppended(const QString& text) {
  if (!editor) return;
  const QScopedValueRollback guard(pushing, true);
  QTextCursor end(editor->document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
}

void CatalogueView::startEditing() {
  const bool hadFocus = hasFocus();
  d->editor = new QPlainTextEdit(this);
  d->editor->setFont(font());
  d->editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  d->pushText();
  d->pushSelection();
  connect(d->editor->document(), &QTextDocument::contentsChange, this, &CatalogueView::editorTextChanged);
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
  delete std::exchange(d->editor, nullptr);  // its last events, sent while it dies, are not ours
  updateScrollBars();
  ensureCaretVisible();
  viewport()->update();
  if (hadFocus) setFocus();
}

// The view takes the editor's text lazily; only a listening reader needs to hear of each edit.
void CatalogueView::editorTextChanged(int position, int removed, int added) {
  const bool inStep = !d->editorChanged;  // the view's text is still the one before this edit
  d->editorChanged = true;
  if (d->pushing) return;
  Q_EMIT contentChanged();
  if (!QAccessible::isActive()) return;
  const QString removedText = inStep ? CatalogueViewAccessible::announcedText(this, position, removed) : QString();
  d->pull();
  CatalogueViewAccessible::announceRemoved(this, position, removedText);
  CatalogueViewAccessible::announceInserted(this, position, CatalogueViewAccessible::announcedText(this, position, added));
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
