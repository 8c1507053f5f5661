#pragma once
// A stand-in for the main window in panel tests: a plain widget holding real controls
// with the window's objectNames, and the window's services answered from scripts. Build
// it after the test's TempWorld, so its settings stores are the isolated ones.
#include <QColor>
#include <QLabel>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "platform/DriveMap.h"
#include "platform/SettingsStore.h"
#include "platform/Yield.h"
#include "shell/PanelServices.h"
#include "shell/ProgramValues.h"
#include "support/ScriptedDialogs.h"

namespace quilmo::test {

// Stands in for the window's own command button (NDc), which reports clicks as Click().
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 Q_SIGNALS:
  void Click();
};

class FakeWindow : public PanelServices {
 public:
  FakeWindow(const QString& dataPath, const QString& appFolder);
  ~FakeWindow() override;

  template <class T>
  T* get(const QString& name) {
    return root_->findChild<T*>(name);
  }

  // Answers of the message panel MsG in line (6 Yes, 7 No, 2 Cancel); an empty line
  // answers Cancel and counts as unanswered.
  QList<int> msgAnswers;
  QStringList msgHeadings;
  QStringList msgMessages;
  int msgUnanswered = 0;

  QStringList statuses;  // texts given to LaB, which also shows them with their colours
  static inline const QColor kNormalStatusBack{192, 192, 192};
  QString hint;
  QString caption;               // the last quilmoCap text
  int statusColourRestored = 0;
  int wagterCalls = 0;
  std::function<void()> whileWaiting;  // what the user does while wagter() waits
  ScriptedDialogs scripted;

  QWidget* window() override { return root_; }
  ProgramValues& values() override { return values_; }
  Dialogs& dialogs() override { return scripted; }
  Yielder& yielder() override { return yielder_; }
  SettingsStore& programSettings() override { return program_; }
  SettingsStore& discSettings() override { return discs_; }
  DriveMap& drives() override { return drives_; }
  int msG(const QString& heading, bool yes, bool no, bool cancel, const QString& message, int icon) override;
  void restoreStatusColour() override;
  void setStatus(const QString& text, const QColor& back, const QColor& fore) override;
  void setHint(const QString& text) override { hint = text; }
  void quilmoCap(const QString& text) override;
  void wagter() override;

 private:
  ProgramValues values_;
  Yielder yielder_;
  SettingsStore program_;
  SettingsStore discs_;
  DriveMap drives_;
  QWidget* root_;
};

}  // namespace quilmo::test
