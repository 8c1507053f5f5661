#pragma once
// Dialogs for window tests: every message is recorded, questions get the answers queued
// beforehand (Yes when none is queued), input boxes the texts queued (cancel when none).
#include <QList>
#include <QStringList>
#include <optional>

#include "platform/Dialogs.h"

namespace quilmo::test {

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    QString title, text;
  };
  QList<Shown> shown;
  QList<Answer> answers;
  QList<std::optional<QString>> inputs;

  void message(const QString& title, const QString& text) override { shown.append({title, text}); }
  Answer yesNo(const QString& title, const QString& text) override { return next(title, text); }
  Answer yesNoCancel(const QString& title, const QString& text) override { return next(title, text); }
  std::optional<QString> input(const QString& title, const QString& prompt, const QString&) override {
    shown.append({title, prompt});
    return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
  }

  QStringList texts() const {
    QStringList all;
    for (const Shown& s : shown) all.append(s.text);
    return all;
  }

 private:
  Answer next(const QString& title, const QString& text) {
    shown.append({title, text});
    return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
  }
};

}  // namespace quilmo::test
