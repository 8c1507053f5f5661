#include "support/ScriptedDialogs.h"

namespace quilmo::test {

void ScriptedDialogs::message(const QString&, const QString& text) { messages += text; }

Answer ScriptedDialogs::yesNo(const QString& title, const QString&) {
  questions += title;
  if (answers.isEmpty()) {
    ++unanswered;
    return Answer::No;
  }
  return answers.takeFirst();
}

Answer ScriptedDialogs::yesNoCancel(const QString& title, const QString& text) { return yesNo(title, text); }

std::optional<QString> ScriptedDialogs::input(const QString&, const QString& prompt, const QString& offered) {
  prompts += prompt;
  proposed += offered;
  if (inputs.isEmpty()) {
    ++unanswered;
    return std::nullopt;
  }
  return inputs.takeFirst();
}

}  // namespace quilmo::test
