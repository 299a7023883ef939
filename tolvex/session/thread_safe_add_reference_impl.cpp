#include "tolvex/session/thread_safe_add_reference_impl.h"

template <class Base>
TThreadSafeAddReferenceImpl<Base>::TThreadSafeAddReferenceImpl()
    : refCount(1) {}

template <class Base>
TThreadSafeAddReferenceImpl<Base>::~TThreadSafeAddReferenceImpl() {}

// The returned count is the result of the one atomic operation, never a
// second read, so each caller sees its own step of the count.

template <class Base>
int TThreadSafeAddReferenceImpl<Base>::addRef() {
  return refCount.fetch_add(1, std::memory_order_seq_cst) + 1;
}

template <class Base>
int TThreadSafeAddReferenceImpl<Base>::release() {
  int count = refCount.fetch_sub(1, std::memory_order_seq_cst) - 1;
  if (count == 0) delete this;
  return count;
}

template class TThreadSafeAddReferenceImpl<IAddReference>;
