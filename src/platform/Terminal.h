#pragma once
// Whether the program's standard streams go to a terminal (progress lines are only for
// people watching, never for files or pipes; control characters are made visible only
// where a terminal would act on them).
namespace quilmo {

bool standardErrorIsTerminal();
bool standardOutputIsTerminal();

}  // namespace quilmo
