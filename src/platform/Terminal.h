#pragma once
// Whether the program's standard streams go to a terminal (progress lines are only for
// people watching, never for files or pipes).
namespace quilmo {

bool standardErrorIsTerminal();

}  // namespace quilmo
