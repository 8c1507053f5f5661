#pragma once
#include "platform/Dialogs.h"

class QWidget;

namespace quilmo {

// The real dialogs: Qt's message and input boxes over the given window.
class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  void message(const QString& title, const QString& text) override;
  Answer yesNo(const QString& title, const QString& text) override;
  Answer yesNoCancel(const QString& title, const QString& text) override;
  std::optional<QString> input(const QString& title, const QString& prompt, const QString& proposed) override;

 private:
  QWidget* parent_;
};

}  // namespace quilmo
