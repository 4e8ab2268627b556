#include <cstdlib>

#include "data/large_memory.h"

namespace qd {

// Windows commits memory in 64 KiB granules and has no cheaper way for a
// user program; the C runtime's heap serves.
void* allocateLarge(std::size_t bytes) {
  if (void* p = std::malloc(bytes == 0 ? 1 : bytes)) return p;
  throw std::bad_alloc();
}

void freeLarge(void* block, std::size_t) noexcept { std::free(block); }

}  // namespace qd
