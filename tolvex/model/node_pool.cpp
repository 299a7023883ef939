#include "tolvex/model/node_pool_internal.h"

#include <new>

namespace node_pool {

namespace {

// Under AddressSanitizer every block goes straight to operator new and
// operator delete: a cached block would hide a use after free of a node, and
// the allocation-failure tests would not reach the node allocations.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kCaching = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kCaching = false;
#else
constexpr bool kCaching = true;
#endif
#else
constexpr bool kCaching = true;
#endif

// Classes 16 bytes apart up to 512; larger blocks are not cached. A class's
// blocks are as large as the malloc chunk they take allows: malloc rounds a
// chunk to 16 bytes, a size word in front of the block included.
constexpr std::size_t kGrain = 16;
constexpr std::size_t kClasses = 32;
constexpr std::size_t kChunkHeader = sizeof(std::size_t);
// At most this many bytes wait in one thread's cache: enough for the nodes
// of a message of a few hundred entries, little beside a thread's stack.
constexpr std::size_t kMaxCachedBytes = std::size_t{1} << 20;

struct FreeBlock {
  FreeBlock* next;
};

enum class State { kUnused, kLive, kGone };

// Trivially destructible, so that it stays readable while the thread's other
// thread-local objects are destroyed, after Drain has emptied it.
struct Cache {
  FreeBlock* heads[kClasses];
  std::size_t bytes;
  State state;
};

// In the static TLS block, reached without a call: the library is linked by
// its programs rather than opened later, and the cache is small.
thread_local Cache cache __attribute__((tls_model("initial-exec"))) = {};

// Empties the cache when its thread ends and closes it for good.
struct Drain {
  ~Drain() {
    for (std::size_t i = 0; i < kClasses; ++i) {
      while (FreeBlock* block = cache.heads[i]) {
        cache.heads[i] = block->next;
        ::operator delete(block);
      }
    }
    cache.bytes = 0;
    cache.state = State::kGone;
  }
};

// The cache of this thread, opened on first use; null once it is closed.
Cache* openCache() {
  if (cache.state == State::kLive) return &cache;
  if (cache.state == State::kGone) return nullptr;
  static thread_local Drain drain;  // registers the drain at thread exit
  static_cast<void>(drain);
  cache.state = State::kLive;
  return &cache;
}

// The class of a block of `size` bytes, or kClasses when it is not cached.
std::size_t classOf(std::size_t size) {
  const std::size_t index = (size + kChunkHeader + kGrain - 1) / kGrain - 1;
  return size != 0 && index < kClasses ? index : kClasses;
}

// The size of the blocks of class `index`, the largest it serves.
constexpr std::size_t blockSize(std::size_t index) {
  return (index + 1) * kGrain - kChunkHeader;
}
static_assert(blockSize(0) >= sizeof(FreeBlock), "a free block holds a link");

}  // namespace

void* allocate(std::size_t size) {
  if (!kCaching) return ::operator new(size);
  const std::size_t index = classOf(size);
  if (index < kClasses) {
    if (Cache* own = openCache()) {
      if (FreeBlock* block = own->heads[index]) {
        own->heads[index] = block->next;
        own->bytes -= blockSize(index);
        return block;
      }
    }
    // Made at the full class size, so that any block of the class can
    // serve any size in it.
    return ::operator new(blockSize(index));
  }
  return ::operator new(size);
}

void release(void* block, std::size_t size) noexcept {
  if (!kCaching) {
    ::operator delete(block);
    return;
  }
  const std::size_t index = classOf(size);
  if (index < kClasses) {
    const std::size_t bytes = blockSize(index);
    Cache* own = openCache();
    if (own != nullptr && own->bytes + bytes <= kMaxCachedBytes) {
      FreeBlock* freed = static_cast<FreeBlock*>(block);
      freed->next = own->heads[index];
      own->heads[index] = freed;
      own->bytes += bytes;
      return;
    }
  }
  ::operator delete(block);
}

}  // namespace node_pool
