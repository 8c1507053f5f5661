#pragma once
// The real main window in a world of its own, for panel tests: scripted standard dialogs,
// and the in-window message panel MsG answered from a queue by clicking its buttons as
// soon as it waits.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "shell/Quilmo.h"
#include "support/ScriptedDialogs.h"
#include "support/TempWorld.h"

namespace quilmo::test {

class WindowHarness : public QObject {
 public:
  WindowHarness();
  ~WindowHarness() override;

  TempWorld world;
  ScriptedDialogs dialogs;
  std::unique_ptr<Quilmo> window;

  QList<Answer> msgAnswers;  // answers for MsG in line; none left: Cancel, counted unanswered
  QStringList msgHeadings;  // everything MsG showed
  QStringList msgMessages;
  int msgUnanswered = 0;
  std::function<void()> whileAsked;  // what the user does while MsG waits, before answering
  bool answersMessages = true;       // false: the test presses MsgC itself

  Quilmo& start(const QStringList& arguments = {});
  // Questions asked of MsG or the dialogs with no scripted answer left.
  int unanswered() const { return msgUnanswered + dialogs.unanswered; }

  template <class T = QWidget>
  T* get(const QString& name) const {
    T* found = window->findChild<T*>(name);
    if (!found) qFatal("The window has no control %s of kind %s", qPrintable(name), T::staticMetaObject.className());
    return found;
  }
  // Acts once on the modal window titled so, from inside its own event loop, as soon as
  // it shows; closes it afterwards if the act left it open.
  void whenShown(const QString& title, std::function<void(QWidget*)> act);
  void click(const QString& name) const;  // a left click in the middle of the control
  // The entries of a combo box or list widget, top to bottom.
  QStringList entries(const QString& name) const;
  QString text(const QString& label) const;  // a QLabel's or button's text
  bool visible(const QString& name) const { return get(name)->isVisible(); }

  QString data(const QString& name) const { return world.dataPath() + name; }
  QByteArray dataFile(const QString& name) const { return TempWorld::readFile(data(name)); }
  void writeData(const QString& name, const QByteArray& bytes) const { world.writeFile(data(name), bytes); }

 private:
  static constexpr int kLongestWaitMs = 5000;
  QElapsedTimer waiting_;  // how long the drive panel or MsG has been waiting
  void answerMessage();
};

}  // namespace quilmo::test
