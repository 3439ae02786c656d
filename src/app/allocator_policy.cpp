#include "allocator_policy.h"

#include <malloc.h>

namespace sw::app {

void UseAllocatorPolicy() {
  constexpr int kMiB = 1024 * 1024;
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_THRESHOLD, 8 * kMiB);
  mallopt(M_TRIM_THRESHOLD, 16 * kMiB);
}

void ReleaseFreeHeap() { malloc_trim(0); }

}  // namespace sw::app
