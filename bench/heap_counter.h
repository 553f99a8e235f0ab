// Counts heap allocations of the whole process (every thread, C and C++ alike) by
// standing in for malloc, calloc, realloc and the aligned forms, forwarding to the C
// library's own allocator. Include it in exactly one file of a benchmark program: it
// defines those functions. Counting is off until startCounting.
#pragma once
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace heap_counter {

inline std::atomic<bool> counting{false};
inline std::atomic<std::uint64_t> allocations{0};

inline void note() {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
}

// Starts counting from zero.
inline void startCounting() {
  allocations.store(0);
  counting.store(true);
}

// Stops counting; returns the allocations since startCounting.
inline std::uint64_t stopCounting() {
  counting.store(false);
  return allocations.load();
}

}  // namespace heap_counter

extern "C" {

void* malloc(std::size_t size) {
  heap_counter::note();
  return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) {
  heap_counter::note();
  return __libc_calloc(count, size);
}

void* realloc(void* block, std::size_t size) {
  heap_counter::note();
  return __libc_realloc(block, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) {
  heap_counter::note();
  return __libc_memalign(alignment, size);
}

void* memalign(std::size_t alignment, std::size_t size) {
  heap_counter::note();
  return __libc_memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
  if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0) return EINVAL;
  heap_counter::note();
  void* block = __libc_memalign(alignment, size);
  if (!block && size != 0) return ENOMEM;
  *result = block;
  return 0;
}

}  // extern "C"
