#include "companions/LornexWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/NumberFormat.h"
#include "widgets/CatalogueView.h"

namespace quilmo::companions {

LornexWindow::LornexWindow(const QString& path, QWidget* parent)
    : QWidget(parent),
      view_(new CatalogueView(this)),
      lines_(new QLabel(this)),
      message_(new QLabel(this)),
      findBox_(new QLineEdit(this)),
      findNote_(new QLabel(this)) {
  view_->setObjectName(QStringLiteral("View"));
  lines_->setObjectName(QStringLiteral("Lines"));
  message_->setObjectName(QStringLiteral("Message"));
  findBox_->setObjectName(QStringLiteral("FindBox"));
  findNote_->setObjectName(QStringLiteral("FindNote"));
  findBox_->setPlaceholderText(QStringLiteral("Find (Enter for the next one)"));
  findBox_->setAccessibleName(QStringLiteral("Find"));
  view_->setAccessibleName(QStringLiteral("Catalogue"));
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  message_->hide();

  auto* bar = new QHBoxLayout;
  bar->addWidget(lines_);
  bar->addStretch();
  bar->addWidget(findNote_);
  bar->addWidget(findBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(message_);
  layout->addWidget(view_, 1);
  resize(900, 600);

  connect(findBox_, &QLineEdit::returnPressed, this, &LornexWindow::findNext);
  load(path);
}

QString LornexWindow::usage() { return QStringLiteral("usage: lornex CATALOGUE"); }

void LornexWindow::load(const QString& path) {
  setWindowTitle(path.isEmpty() ? QStringLiteral("lornex")
                                : QFileInfo(path).fileName() + QStringLiteral(" - lornex"));
  if (path.isEmpty()) return showMessage(QStringLiteral("No catalogue was given.\n") + usage());
  QString error;
  if (!view_->loadFile(path, &error))
    return showMessage(QStringLiteral("Cannot show the catalogue %1: %2").arg(path, error));
  lines_->setText(QStringLiteral("Lines: ") + grouped(double(view_->lineCount())));
  findBox_->setFocus();
}

void LornexWindow::showMessage(const QString& message) {
  message_->setText(message);
  message_->show();
  view_->hide();
  findBox_->setEnabled(false);
  lines_->clear();
}

// From just after the current hit (or from the caret) to the end, then from the top.
void LornexWindow::findNext() {
  const QString word = findBox_->text();
  findNote_->clear();
  if (word.isEmpty()) return;
  const qint64 from = view_->caretPosition() + (view_->selectionLength() > 0 ? 1 : 0);
  qint64 hit = view_->find(word, from);
  if (hit < 0 && from > 0) {
    hit = view_->find(word, 0);
    if (hit >= 0) findNote_->setText(QStringLiteral("Continued from the top"));
  }
  if (hit < 0) findNote_->setText(QStringLiteral("Not found"));
}

}  // namespace quilmo::companions
