#include "platform/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quilmo {

void QtDialogs::message(const QString& title, const QString& text) {
  QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

Answer QtDialogs::yesNo(const QString& title, const QString& text) {
  // Qt lets Escape answer No when there is no Cancel button. A hidden Cancel takes Escape
  // and the close button instead, so closing the question neither agrees nor refuses.
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  parent_);
  box.button(QMessageBox::Cancel)->hide();
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  if (box.clickedButton() == box.button(QMessageBox::Yes)) return Answer::Yes;
  if (box.clickedButton() == box.button(QMessageBox::No)) return Answer::No;
  return Answer::Cancel;
}

Answer QtDialogs::yesNoCancel(const QString& title, const QString& text) {
  switch (QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<QString> QtDialogs::input(const QString& title, const QString& prompt, const QString& proposed) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, proposed, &ok);
  if (!ok) return std::nullopt;
  return text;
}

}  // namespace quilmo
