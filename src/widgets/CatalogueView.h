#pragma once
// RtB: the catalogue view. A read-only text view that draws only the visible lines from
// the file's bytes and a line index, so a catalogue of a million lines loads and searches
// in a moment. Positions count characters from 0; a line break counts as one character.
// An editable mode serves the few places where the user may type into the view.
#include <QAbstractScrollArea>
#include <QString>

namespace quilmo {

class CatalogueView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit CatalogueView(QWidget* parent = nullptr);
  ~CatalogueView() override;

  // Loads a file as plain text (UTF-8; LF or CR LF). False, with the reason, when it
  // cannot be read; the view is then empty.
  bool loadFile(const QString& path, QString* error = nullptr);
  void setText(const QString& text);
  // The same from UTF-8 bytes, which the view keeps as they are: no copy of a long text.
  void setUtf8Text(QByteArray text);
  void appendText(const QString& text);
  QString text() const;
  void clear();
  bool isEmpty() const;
  // The file loadFile last read, so the window can tell which disc it shows; empty once
  // the text came from anywhere else (setText, clear).
  QString filePath() const;
  // That file was renamed: the view follows it to path.
  void fileMoved(const QString& path);

  qint64 length() const;             // characters, line breaks included
  qint64 lineCount() const;          // line of the last character + 1; an empty view has 1
  qint64 lineOfPosition(qint64 position) const;  // from 0

  // The start of the selection when there is one (where a find put its hit), else the caret.
  qint64 caretPosition() const;
  void setCaretPosition(qint64 position);  // also clears the selection
  QString selectedText() const;
  qint64 selectionLength() const;
  void select(qint64 start, qint64 length);
  void selectAll();
  void copy() const;  // the selection to the clipboard

  // First occurrence of word at or after from, without regard to letter case; selects it
  // and moves the caret there. -1 (selection unchanged) when there is none.
  qint64 find(const QString& word, qint64 from);

  bool isReadOnly() const;
  // Editable, the view hands its text to a stock editor; made read-only again, it takes
  // the edited text back as its content.
  void setReadOnly(bool readOnly);

 Q_SIGNALS:
  void clicked();                // a single click, after the caret moved
  void doubleClicked();          // after the word under the pointer was selected
  void selectionChanged();       // caret or selection moved
  void contentChanged();         // the text was replaced, appended to or edited
  void functionKeyPressed(int key);  // F3, F4 and the like, for the window to act on

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class CatalogueViewAccessible;
  class Private;
  Private* d;

  void contentReplaced(const QString& removedText);
  void moveCaret(qint64 position, bool keepAnchor);
  void ensureCaretVisible();
  void ensureVisible(qint64 position);
  void updateScrollBars();
  qint64 rowAt(int y) const;
  qint64 positionAt(const QPoint& point) const;   // the gap between characters nearest to point
  qint64 characterAt(const QPoint& point) const;  // the character under point
  QRect characterRect(qint64 position) const;     // in the viewport, where it is drawn
  int visibleRows() const;
  QString shownLine(qint64 row) const;
  int xOfColumn(const QString& line, qint64 column) const;
  void startEditing();
  void stopEditing();
  void editorTextChanged(int position, int removed, int added);
};

}  // namespace quilmo
