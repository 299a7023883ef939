// Private header: not installed.
#pragma once

// A per-thread cache of freed blocks for the nodes of the model's containers
// (a group's fields, a list's groups). A message copy or teardown makes and
// frees one node per field; the cache hands them back without the general
// allocator's bookkeeping.
//
// Blocks come from operator new and are cached by size class on the thread
// that frees them, whichever thread made them; a block is only ever in one
// thread's cache. The cache is bounded and given back with operator delete
// when its thread ends; a node freed after that (by another thread-exit
// destructor) goes straight to operator delete. Built with AddressSanitizer,
// nothing is cached.

#include <cstddef>

namespace node_pool {

/// A block of `size` bytes, aligned as operator new aligns; throws
/// std::bad_alloc when memory runs out.
void* allocate(std::size_t size);
/// Takes back a block from allocate() of the same size.
void release(void* block, std::size_t size) noexcept;

}  // namespace node_pool
