#pragma once

// Heap accounting for the benchmarks: every malloc, calloc and realloc of the
// process (operator new included, since it calls malloc) is counted while the
// benchmark binary runs.
//
//   const HeapCounts before = heapCounts();
//   ... work ...
//   const HeapCounts spent = heapCounts() - before;
//
// The counts are plain globals: the benchmarks run on one thread. Under
// AddressSanitizer the sanitizer owns the allocator, the hook is left out and
// every count stays 0.

#include <cstddef>

namespace benchmark {
class State;
}

struct HeapCounts {
  std::size_t allocations = 0;  // calls that returned a new block
  std::size_t liveBytes = 0;    // usable bytes of the blocks not yet freed

  HeapCounts operator-(const HeapCounts& earlier) const {
    return {allocations - earlier.allocations, liveBytes - earlier.liveBytes};
  }
};

/// The counts so far.
HeapCounts heapCounts();

/// True when the counts are real (the hook is in place).
bool heapCountsAvailable();

/// Reports the allocations made since `before` as the counter "allocs", an
/// average per iteration. Call once, after the benchmark loop.
void reportAllocations(benchmark::State& state, const HeapCounts& before);
