#include "platform/QtDialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace quilmo {

void QtDialogs::message(const QString& title, const QString& text) {
  QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

Answer QtDialogs::yesNo(const QString& title, const QString& text) {
  return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
             ? Answer::Yes
             : Answer::No;
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
