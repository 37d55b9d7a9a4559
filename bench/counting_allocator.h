#pragma once
// Replaces the global operator new and delete of the benchmark that includes it, so that
// it can count allocations. Include from exactly one file of a benchmark executable.
#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> g_allocations{0};

// The replaced new and delete pair malloc with free, which the compiler's pairing check
// cannot see through.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
