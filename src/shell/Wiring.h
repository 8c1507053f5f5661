#pragma once

namespace quilmo {

class Quilmo;

// Attaches the behaviour of every subsystem to the window's controls: one attachXxx call
// per subsystem, in Wiring.cpp.
void attachSubsystems(Quilmo& window);

}  // namespace quilmo
