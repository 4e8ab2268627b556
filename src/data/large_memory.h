#pragma once
// Memory for the large buffers of a workbook read (file bytes, texts,
// cells). The platform side hands out big blocks in a way that avoids a
// page fault for every page where it can (huge pages on Linux).
#include <cstddef>
#include <new>

namespace qd {

void* allocateLarge(std::size_t bytes);  // throws std::bad_alloc
void freeLarge(void* block, std::size_t bytes) noexcept;

template <class T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() = default;
  template <class U>
  LargeAllocator(const LargeAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    return static_cast<T*>(allocateLarge(n * sizeof(T)));
  }
  void deallocate(T* p, std::size_t n) noexcept { freeLarge(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const LargeAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace qd
