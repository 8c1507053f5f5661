// The catalogue view's interface over a plain string, for panel tests built before the
// view itself: loading, line counts and the caret are all a panel asks of it.
#include <QFile>

#include "controls/CatalogueView.h"

namespace quilmo {

class CatalogueView::Private {
 public:
  QString text;
  qint64 caret = 0;
  bool readOnly = true;
};

CatalogueView::CatalogueView(QWidget* parent) : QAbstractScrollArea(parent), d(new Private) {}
CatalogueView::~CatalogueView() { delete d; }

bool CatalogueView::loadFile(const QString& path, QString* error) {
  clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  d->text = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return true;
}

void CatalogueView::setText(const QString& text) { d->text = text; }
void CatalogueView::appendText(const QString& text) { d->text += text; }
QString CatalogueView::text() const { return d->text; }
void CatalogueView::clear() { d->text.clear(); d->caret = 0; }
bool CatalogueView::isEmpty() const { return d->text.isEmpty(); }
qint64 CatalogueView::length() const { return d->text.size(); }
qint64 CatalogueView::lineCount() const { return d->text.isEmpty() ? 1 : lineOfPosition(length() - 1) + 1; }
qint64 CatalogueView::lineOfPosition(qint64 position) const {
  return QStringView(d->text).left(position).count(u'\n');
}
qint64 CatalogueView::caretPosition() const { return d->caret; }
void CatalogueView::setCaretPosition(qint64 position) { d->caret = position; }
QString CatalogueView::selectedText() const { return {}; }
void CatalogueView::select(qint64 start, qint64) { d->caret = start; }
qint64 CatalogueView::find(const QString& word, qint64 from) {
  return d->text.indexOf(word, from, Qt::CaseInsensitive);
}
bool CatalogueView::isReadOnly() const { return d->readOnly; }
void CatalogueView::setReadOnly(bool readOnly) { d->readOnly = readOnly; }

}  // namespace quilmo
