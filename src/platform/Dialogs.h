#pragma once
// Standard message boxes and input boxes go through this seam: the window uses Qt's
// dialogs, tests install a scripted implementation.
#include <QString>
#include <optional>

namespace quilmo {

enum class Answer { Yes = 6, No = 7, Cancel = 2, Ok = 1 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void message(const QString& title, const QString& text) = 0;
  // Yes or No; Cancel when the question was closed unanswered (Escape, the close button),
  // which every caller takes as "do nothing".
  virtual Answer yesNo(const QString& title, const QString& text) = 0;
  virtual Answer yesNoCancel(const QString& title, const QString& text) = 0;
  // std::nullopt when cancelled.
  virtual std::optional<QString> input(const QString& title, const QString& prompt, const QString& proposed) = 0;
};

}  // namespace quilmo
