#pragma once
// What a screen reader sees of the catalogue view: its text, caret and selection through
// Qt's accessible text interface, served line by line from the view's line index, and
// the events that tell a reader what changed. Nothing here costs anything while no
// accessibility client listens.
#include <QAccessibleWidget>

#include "widgets/CatalogueView.h"

namespace quilmo {

class CatalogueViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CatalogueViewAccessible(CatalogueView* view);

  // Registers the interface with Qt and has the view announce its caret and selection.
  static void attach(CatalogueView* view);
  // The start of the view's text, for the events of a change; empty while no client listens.
  static QString announcedText(const CatalogueView* view, qint64 position, qint64 length);
  static void announceRemoved(CatalogueView* view, qint64 position, const QString& removed);
  static void announceInserted(CatalogueView* view, qint64 position, const QString& inserted);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;
  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  struct Span {
    qint64 start = -1;
    qint64 end = -1;
  };

  CatalogueView* view() const;
  // While the view is editable its stock editor lays the text out; its own interface knows where.
  QAccessibleTextInterface* editorText() const;
  Span spanAt(qint64 offset, QAccessible::TextBoundaryType boundary) const;
  QString textOf(Span span, int* startOffset, int* endOffset) const;
};

}  // namespace quilmo
