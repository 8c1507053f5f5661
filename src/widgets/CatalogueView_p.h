#pragma once
// The state behind CatalogueView, shared by the view (CatalogueView.cpp) and its editable
// mode (CatalogueEditing.cpp).
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPoint>
#include <algorithm>

#include "widgets/CatalogueView.h"
#include "widgets/LineIndex.h"

namespace quilmo {

class CatalogueView::Private {
 public:
  LineIndex index;
  QString filePath;
  qint64 anchor = 0;
  qint64 cursor = 0;  // the moving end of the selection, where the caret is drawn

  // Present only while the view is editable; it then holds the text that counts.
  QPlainTextEdit* editor = nullptr;
  bool editorChanged = false;
  bool pushing = false;  // the editor's text changes because the view's did, not the user's typing
  bool editorDoubleClicked = false;

  bool dragging = false;
  bool singleClick = false;
  QElapsedTimer sinceDoubleClick;
  QPoint doubleClickPoint;

  qint64 selectionStart() const { return std::min(anchor, cursor); }
  qint64 selectionEnd() const { return std::max(anchor, cursor); }

  // While editable: take the editor's text (when it changed) and selection, or hand the
  // view's to it. Each does nothing while the view is read-only.
  void pull();
  void pushSelection();
  void pushText();
  void pushAppended(const QString& text);
};

}  // namespace quilmo
