#include "platform/TerminationSignal.h"

#include <QObject>

#ifdef Q_OS_WIN
#include <QPointer>
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quilmo {

#ifdef Q_OS_WIN
namespace {

QPointer<QObject> signalOwner;
std::function<void()> signalHandler;

// Runs on a thread of its own, so the handler is queued to the owner's event loop. A closed
// console or an ended session is left to the default, which ends the process whatever a
// handler does; a window program learns of the session's end from Qt instead.
BOOL WINAPI onConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (const QPointer<QObject> owner = signalOwner) QMetaObject::invokeMethod(owner, signalHandler, Qt::QueuedConnection);
  return TRUE;
}

}  // namespace

void onTerminationSignal(QObject* owner, std::function<void()> handler) {
  if (signalOwner) return;
  signalOwner = owner;
  signalHandler = std::move(handler);
  SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}
#elif defined(Q_OS_UNIX)
namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the handler runs from the event loop.
void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void onTerminationSignal(QObject* owner, std::function<void()> handler) {
  if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [handler = std::move(handler)] {
    char byte;
    [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
    handler();
  });
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}
#else
void onTerminationSignal(QObject*, std::function<void()>) {}
#endif

}  // namespace quilmo
