#pragma once
// SIGTERM and SIGINT end the program the normal way, so its shut-down work still runs
// when a session ends or a script stops the program.
#include <functional>

class QObject;

namespace quilmo {

// Runs handler on owner's event loop when either signal arrives; on Windows, when the
// console sends Ctrl+C or Ctrl+Break, its nearest equivalents.
void onTerminationSignal(QObject* owner, std::function<void()> handler);

}  // namespace quilmo
