#pragma once

// TThreadSafeAddReferenceImpl<IAddReference>: the library's reference count,
// the base of ITransportSession and IOpenToken. Only this instantiation
// exists; the library defines it.

#include <atomic>

#include "tolvex/export.h"
#include "tolvex/session/i_add_reference.h"

/// Implements addRef() and release() with one sequentially consistent atomic
/// read-modify-write each, without a lock: two threads releasing the last
/// two references see 1 and 0, and exactly one of them deletes the object.
/// An object starts with a count of 1, the reference of whoever created it.
/// The deletion runs on the thread whose release() brought the count to 0.
/// Thread-safety: addRef() and release() are safe from any thread at any
/// time.
template <class Base>
class TOLVEX_API TThreadSafeAddReferenceImpl : public Base {
 public:
  TThreadSafeAddReferenceImpl();
  TThreadSafeAddReferenceImpl(const TThreadSafeAddReferenceImpl&) = delete;
  TThreadSafeAddReferenceImpl& operator=(const TThreadSafeAddReferenceImpl&) =
      delete;
  ~TThreadSafeAddReferenceImpl() override;

  // IAddReference
  /// Adds a reference; returns the new count.
  int addRef() override;
  /// Drops a reference; returns the new count, and deletes the object when
  /// it reaches 0.
  int release() override;

 private:
  std::atomic<int> refCount;

  static_assert(sizeof(std::atomic<int>) == 4,
                "the count is a plain 32-bit signed integer in the layout");
  static_assert(std::atomic<int>::is_always_lock_free,
                "the count takes no lock");
};

extern template class TThreadSafeAddReferenceImpl<IAddReference>;
