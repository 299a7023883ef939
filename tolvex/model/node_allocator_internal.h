// Private header: not installed.
#pragma once

// The members of UniversalFieldGroup::NodeAllocator, for the sources that
// instantiate the model's containers.

#include <memory>

#include "tolvex/model/node_pool_internal.h"
#include "tolvex/model/universal_field_group.h"

template <typename T>
T* UniversalFieldGroup::NodeAllocator<T>::allocate(std::size_t count) {
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__,
                "pool blocks have operator new's alignment");
  if (count != 1) return std::allocator<T>().allocate(count);
  return static_cast<T*>(node_pool::allocate(sizeof(T)));
}

template <typename T>
void UniversalFieldGroup::NodeAllocator<T>::deallocate(
    T* block, std::size_t count) noexcept {
  if (count != 1) {
    std::allocator<T>().deallocate(block, count);
    return;
  }
  node_pool::release(block, sizeof(T));
}
