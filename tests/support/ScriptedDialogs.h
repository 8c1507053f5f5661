#pragma once
// Dialogs answered from a script: each question takes the next answer in line, each
// input box the next text (std::nullopt: cancelled). Everything shown is recorded.
#include <QList>
#include <QStringList>
#include <optional>

#include "platform/Dialogs.h"

namespace quilmo::test {

class ScriptedDialogs : public Dialogs {
 public:
  QList<Answer> answers;
  QList<std::optional<QString>> inputs;

  QStringList messages;   // texts of message boxes
  QStringList questions;  // titles of Yes/No boxes
  QStringList prompts;    // prompts of input boxes
  QStringList proposed;   // texts input boxes offered as their answer
  int unanswered = 0;     // questions asked with no answer left in the script

  void message(const QString& title, const QString& text) override;
  Answer yesNo(const QString& title, const QString& text) override;
  Answer yesNoCancel(const QString& title, const QString& text) override;
  std::optional<QString> input(const QString& title, const QString& prompt, const QString& proposed) override;
};

}  // namespace quilmo::test
