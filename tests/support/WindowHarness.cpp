#include "support/WindowHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace quilmo::test {

WindowHarness::WindowHarness() {
  qputenv("QUILMO_APP_FOLDER", world.appFolder().toUtf8());
  QDir::setCurrent(world.dataPath());
}

WindowHarness::~WindowHarness() {
  window.reset();
  QDir::setCurrent(QDir::rootPath());
  qunsetenv("QUILMO_APP_FOLDER");
}

Quilmo& WindowHarness::start(const QStringList& arguments) {
  window = std::make_unique<Quilmo>();
  window->setDialogs(&dialogs);
  window->start(arguments);
  // The panel waits in a nested event loop, MsgAnswer 0 until a button is pressed (it may
  // stay shown from one question to the next): answer from inside that loop.
  auto* watch = new QTimer(window.get());
  QObject::connect(watch, &QTimer::timeout, this, [this] {
    if (answersMessages && window->values().msgAnswer == 0 && visible(QStringLiteral("MsgP"))) answerMessage();
    // A wait that nothing ends fails the test within seconds: closing the window ends it.
    if (!visible(QStringLiteral("WDrive")) && !visible(QStringLiteral("MsgP"))) waiting_.invalidate();
    else if (!waiting_.isValid()) waiting_.start();
    else if (waiting_.hasExpired(kLongestWaitMs)) {
      waiting_.invalidate();
      QTest::qFail("the window still waits for an answer", __FILE__, __LINE__);
      window->close();
    }
  });
  watch->start(5);
  return *window;
}

void WindowHarness::answerMessage() {
  msgHeadings += text(QStringLiteral("MsgH"));
  msgMessages += get<QTextEdit>(QStringLiteral("MsgT"))->toPlainText();
  if (whileAsked) whileAsked();
  const bool scripted = !msgAnswers.isEmpty();
  const Answer answer = scripted ? msgAnswers.takeFirst() : Answer::Cancel;
  auto* pressed =
      get<QAbstractButton>(QStringLiteral("MsgC(%1)").arg(answer == Answer::Yes ? 0 : answer == Answer::No ? 1 : 2));
  if (!scripted || !pressed->isEnabled()) {
    // No answer left, or one the panel does not offer: counted, and left by the last enabled button.
    ++msgUnanswered;
    for (int i = 2; i >= 0; --i)
      if (get(QStringLiteral("MsgC(%1)").arg(i))->isEnabled()) {
        pressed = get<QAbstractButton>(QStringLiteral("MsgC(%1)").arg(i));
        break;
      }
  }
  QTest::mouseClick(pressed, Qt::LeftButton);
}

void WindowHarness::whenShown(const QString& title, std::function<void(QWidget*)> act) {
  auto* poll = new QTimer(window.get());
  QObject::connect(poll, &QTimer::timeout, this, [poll, title, act] {
    QWidget* shown = QApplication::activeModalWidget();
    if (!shown || shown->windowTitle() != title) return;
    poll->stop();
    poll->deleteLater();
    act(shown);
    if (shown->isVisible()) shown->close();
  });
  poll->start(5);
}

void WindowHarness::click(const QString& name) const { QTest::mouseClick(get(name), Qt::LeftButton); }

QStringList WindowHarness::entries(const QString& name) const {
  QStringList all;
  QWidget* control = get(name);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    for (int i = 0; i < combo->count(); ++i) all += combo->itemText(i);
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    for (int i = 0; i < list->count(); ++i) all += list->item(i)->text();
  }
  return all;
}

QString WindowHarness::text(const QString& name) const {
  QWidget* control = get(name);
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return {};
}

}  // namespace quilmo::test
