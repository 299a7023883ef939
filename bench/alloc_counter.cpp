#include "alloc_counter.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cerrno>
#include <cstdlib>

namespace {

HeapCounts counts;

}  // namespace

HeapCounts heapCounts() {
  return counts;
}

void reportAllocations(benchmark::State& state, const HeapCounts& before) {
  const HeapCounts spent = heapCounts() - before;
  state.counters["allocs"] =
      benchmark::Counter(static_cast<double>(spent.allocations),
                         benchmark::Counter::kAvgIterations);
}

#if defined(__SANITIZE_ADDRESS__)

bool heapCountsAvailable() {
  return false;
}

#else

bool heapCountsAvailable() {
  return true;
}

// glibc's own entry points, under the names it exports for this purpose. The
// definitions below replace malloc for the whole process: libstdc++'s
// operator new and the library's own calls come here. Blocks from functions
// not hooked (memalign and its kin) are freed here too, which is why the
// live bytes count what malloc_usable_size() says, on both sides.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void __libc_free(void* block);

namespace {

void* counted(void* block) {
  if (block != nullptr) {
    ++counts.allocations;
    counts.liveBytes += malloc_usable_size(block);
  }
  return block;
}

void uncounted(void* block) {
  if (block != nullptr) counts.liveBytes -= malloc_usable_size(block);
}

}  // namespace

void* malloc(std::size_t size) {
  return counted(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size) {
  return counted(__libc_calloc(count, size));
}

void* realloc(void* block, std::size_t size) {
  uncounted(block);
  void* moved = __libc_realloc(block, size);
  // A failed realloc keeps the old block.
  if (moved == nullptr && size != 0) {
    counts.liveBytes += block != nullptr ? malloc_usable_size(block) : 0;
    return nullptr;
  }
  return counted(moved);
}

void free(void* block) {
  uncounted(block);
  __libc_free(block);
}
}

#endif
