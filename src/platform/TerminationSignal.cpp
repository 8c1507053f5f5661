#include "platform/TerminationSignal.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace quilmo {

#ifdef Q_OS_UNIX
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
