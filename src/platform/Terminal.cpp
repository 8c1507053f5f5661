#include "platform/Terminal.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quilmo {

#ifdef Q_OS_WIN
namespace {

// Only a console has a console mode; _isatty would also say yes for the NUL device.
bool isConsole(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

}  // namespace

bool standardErrorIsTerminal() { return isConsole(STD_ERROR_HANDLE); }
bool standardOutputIsTerminal() { return isConsole(STD_OUTPUT_HANDLE); }
#else
bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }
bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }
#endif

}  // namespace quilmo
