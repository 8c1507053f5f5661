#include <sys/ioctl.h>
#include <unistd.h>

#include "platform/Terminal.h"

namespace quilmo {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }
bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

int standardErrorColumns() {
  winsize size{};
  return ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}

}  // namespace quilmo
