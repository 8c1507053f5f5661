#include "platform/CrashPoint.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace quilmo {

namespace {

long stepToCrashAt() {
  const char* value = std::getenv("QUILMO_CRASH_AT_STEP");
  return value ? std::atol(value) : 0;
}

}  // namespace

void crashPoint() {
  static const long crashAt = stepToCrashAt();
  static std::atomic<long> steps{0};
  if (crashAt <= 0 || ++steps != crashAt) return;
#ifdef SIGKILL
  std::raise(SIGKILL);
#endif
  std::_Exit(137);
}

}  // namespace quilmo
