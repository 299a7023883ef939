#include "allocation_failure_test_hooks.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

// Under AddressSanitizer malloc cannot be replaced: only operator new counts
// there, and its blocks come from the sanitizer's malloc.
#if defined(__SANITIZE_ADDRESS__)
#define TOLVEX_REPLACE_MALLOC 0
#else
#define TOLVEX_REPLACE_MALLOC 1
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
#endif

namespace {

std::atomic<long> g_countdown{0};  // 0: disarmed
std::atomic<bool> g_failed{false};
std::atomic<long> g_live{0};

bool shouldFail() {
  long left = g_countdown.load(std::memory_order_relaxed);
  while (left > 0) {
    if (g_countdown.compare_exchange_weak(left, left - 1)) {
      if (left != 1) return false;
      g_failed = true;
      return true;
    }
  }
  return false;
}

void* rawAllocate(std::size_t size) {
#if TOLVEX_REPLACE_MALLOC
  return __libc_malloc(size);
#else
  return std::malloc(size);
#endif
}

void* allocate(std::size_t size) {
  if (shouldFail()) return nullptr;
  void* block = rawAllocate(size != 0 ? size : 1);
  if (block != nullptr) ++g_live;
  return block;
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
  if (shouldFail()) return nullptr;
  const std::size_t align = static_cast<std::size_t>(alignment);
  const std::size_t rounded = (size + align - 1) / align * align;
  void* block = std::aligned_alloc(align, rounded != 0 ? rounded : align);
  if (block != nullptr) ++g_live;
  return block;
}

void* orThrow(void* block) {
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void release(void* block) {
  if (block == nullptr) return;
  --g_live;
  std::free(block);
}

}  // namespace

namespace allocation_failure {

void failAt(long n) {
  g_failed = false;
  g_countdown = n;
}

bool disarm() {
  g_countdown = 0;
  return g_failed.exchange(false);
}

// Tried once: a memory checker such as valgrind puts its own malloc in place
// of this file's.
bool mallocFails() {
  static const bool fails = [] {
    void* (*volatile allocator)(std::size_t) = &std::malloc;
    failAt(1);
    void* block = allocator(16);
    const bool failed = disarm();
    std::free(block);
    return failed;
  }();
  return fails;
}

long liveBlocks() {
  return g_live;
}

}  // namespace allocation_failure

// Each form of operator new and delete, single and array alike. The
// arguments are parameter lists, which parentheses would break.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define REPLACE_NEW(allocation, ...)  \
  void* operator new(__VA_ARGS__) {   \
    return allocation;                \
  }                                   \
  void* operator new[](__VA_ARGS__) { \
    return allocation;                \
  }
#define REPLACE_NOTHROW_NEW(allocation, ...)   \
  void* operator new(__VA_ARGS__) noexcept {   \
    return allocation;                         \
  }                                            \
  void* operator new[](__VA_ARGS__) noexcept { \
    return allocation;                         \
  }
#define REPLACE_DELETE(...)                      \
  void operator delete(__VA_ARGS__) noexcept {   \
    release(block);                              \
  }                                              \
  void operator delete[](__VA_ARGS__) noexcept { \
    release(block);                              \
  }
// NOLINTEND(bugprone-macro-parentheses)

REPLACE_NEW(orThrow(allocate(size)), std::size_t size)
REPLACE_NOTHROW_NEW(allocate(size), std::size_t size, const std::nothrow_t&)
REPLACE_NEW(orThrow(allocateAligned(size, alignment)), std::size_t size,
            std::align_val_t alignment)
REPLACE_NOTHROW_NEW(allocateAligned(size, alignment), std::size_t size,
                    std::align_val_t alignment, const std::nothrow_t&)
REPLACE_DELETE(void* block)
REPLACE_DELETE(void* block, std::size_t)
REPLACE_DELETE(void* block, const std::nothrow_t&)
REPLACE_DELETE(void* block, std::align_val_t)
REPLACE_DELETE(void* block, std::size_t, std::align_val_t)
REPLACE_DELETE(void* block, std::align_val_t, const std::nothrow_t&)

#if TOLVEX_REPLACE_MALLOC
// The C library's own blocks, so that its free() and realloc() apply; libc
// internals that call malloc come through here as well.
extern "C" void* malloc(std::size_t size) noexcept {
  return shouldFail() ? nullptr : __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  return shouldFail() ? nullptr : __libc_calloc(count, size);
}

extern "C" char* strdup(const char* text) noexcept {
  const std::size_t size = std::strlen(text) + 1;
  void* copy = malloc(size);
  return copy != nullptr ? static_cast<char*>(std::memcpy(copy, text, size))
                         : nullptr;
}
#endif
