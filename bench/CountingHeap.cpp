#include "bench/CountingHeap.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Out of line in a file of their own: inlined into their callers, the compiler would take the
// heap's bookkeeping for accesses outside the blocks.
namespace {

std::atomic<long long> inUse{0}, peak{0};

std::size_t BlockSize(void* block) {
#ifdef _WIN32
  return _msize(block);
#else
  return malloc_usable_size(block);
#endif
}

void* Take(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) return nullptr;
  const long long now = inUse += static_cast<long long>(BlockSize(block));
  for (long long highest = peak; now > highest && !peak.compare_exchange_weak(highest, now);) {
  }
  return block;
}

}  // namespace

long long HeapInUse() { return inUse; }
long long HeapPeak() { return peak; }
void ResetHeapPeak() { peak = inUse.load(); }

void* operator new(std::size_t size) {
  void* block = Take(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}
void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  inUse -= static_cast<long long>(BlockSize(block));
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* block) noexcept { operator delete(block); }
void operator delete[](void* block, std::size_t) noexcept { operator delete(block); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
