#pragma once
// Whether the program's standard streams go to a terminal (progress lines are only for
// people watching, never for files or pipes; control characters are made visible only
// where a terminal would act on them), and how wide the terminal of standard error is.
namespace quilmo {

bool standardErrorIsTerminal();
bool standardOutputIsTerminal();

// Columns of the terminal that standard error shows on; 0 when it tells none.
int standardErrorColumns();

}  // namespace quilmo
