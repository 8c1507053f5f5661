#include "platform/Terminal.h"

#include <unistd.h>

namespace quilmo {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }
bool standardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

}  // namespace quilmo
