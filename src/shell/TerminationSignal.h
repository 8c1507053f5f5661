#pragma once
class QWidget;

namespace quilmo {

// SIGTERM and SIGINT close the window the normal way, so its shut-down work still runs
// when a session ends or a script stops the program.
void closeOnTerminationSignal(QWidget* window);

}  // namespace quilmo
