#include "search/matcher/VectorLanes.h"

#include <algorithm>
#include <atomic>

namespace quilmo::search {

namespace {
std::atomic<int> widestVector{512};
}

int vectorWidth() {
#ifdef QUILMO_HAVE_VECTOR_SCAN
  static const int width = [] {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) return 512;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt")) return 256;
    return __builtin_cpu_supports("sse2") ? 128 : 0;  // every x86-64 processor has SSE2
  }();
  return std::min(width, widestVector.load(std::memory_order_relaxed));
#else
  return 0;
#endif
}

void limitVectorWidth(int bits) { widestVector = bits; }

}  // namespace quilmo::search
