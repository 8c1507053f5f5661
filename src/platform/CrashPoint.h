#pragma once
// Lets tests kill the program between two steps of a change to the library, the way a power
// cut would, and then prove that what is left reads correctly and a retry finishes the job.
// Every step that changes a file (a write made lasting, a rename, a removal) passes one.
namespace quilmo {

// With the environment variable QUILMO_CRASH_AT_STEP=N, the Nth call kills the process.
void crashPoint();

}  // namespace quilmo
