#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#include "data/large_memory.h"

namespace qd {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Blocks of a huge page or more are mapped on their own, aligned to huge
// pages and marked for them; a few page faults then cover megabytes.
bool isMapped(std::size_t bytes) { return bytes >= kHugePage; }

std::size_t roundToPages(std::size_t bytes) { return (bytes + 4095) & ~std::size_t{4095}; }

}  // namespace

void* allocateLarge(std::size_t bytes) {
  if (!isMapped(bytes)) {
    if (void* p = std::malloc(bytes == 0 ? 1 : bytes)) return p;
    throw std::bad_alloc();
  }
  const std::size_t reserved = bytes + kHugePage;
  void* p = ::mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) throw std::bad_alloc();
  auto* base = static_cast<std::uint8_t*>(p);
  const std::size_t lead = (kHugePage - reinterpret_cast<std::uintptr_t>(base) % kHugePage) % kHugePage;
  const std::size_t kept = roundToPages(bytes);
  // Give back the unaligned head and whatever lies beyond the block.
  if (lead > 0) ::munmap(base, lead);
  if (lead + kept < reserved) ::munmap(base + lead + kept, reserved - lead - kept);
  ::madvise(base + lead, bytes, MADV_HUGEPAGE);
  return base + lead;
}

void freeLarge(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (!isMapped(bytes)) {
    std::free(block);
    return;
  }
  ::munmap(block, roundToPages(bytes));
}

}  // namespace qd
