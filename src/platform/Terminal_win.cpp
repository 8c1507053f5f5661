#include <windows.h>

#include "platform/Terminal.h"

namespace quilmo {

namespace {

// Only a console has a console mode; _isatty would also say yes for the NUL device.
bool isConsole(DWORD stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

}  // namespace

bool standardErrorIsTerminal() { return isConsole(STD_ERROR_HANDLE); }
bool standardOutputIsTerminal() { return isConsole(STD_OUTPUT_HANDLE); }

int standardErrorColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (GetConsoleScreenBufferInfo(GetStdHandle(STD_ERROR_HANDLE), &info))
    return info.srWindow.Right - info.srWindow.Left + 1;
  return 0;
}

}  // namespace quilmo
