// Private header: not installed.
// The one rule by which records, configuration elements and their tables
// keep their texts: each is null or a strdup copy that its owner frees. Every
// helper here throws std::bad_alloc when a copy cannot be made, and leaves
// what it was given as it was then.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>

#include "tolvex/foundation/std_hash_table.h"

namespace owned_text {

/// A strdup copy of `text`, which must not be null; the caller frees it.
inline char* duplicate(const char* text) {
  char* copy = strdup(text);
  if (copy == nullptr) throw std::bad_alloc();
  return copy;
}

/// Replaces the copy in `member` with a copy of `text`, or with null when
/// `text` is null. Copies before freeing, so that a member's own text may be
/// passed back.
inline void replace(char*& member, const char* text) {
  char* copy = text != nullptr ? duplicate(text) : nullptr;
  std::free(member);
  member = copy;
}

/// Stores a copy of `text` (null for null) as the pointer entry `name` of
/// `table` and frees the copy that the entry held before. A null `name`
/// stores nothing.
inline void putCopy(StdHashTable& table, const char* name, const char* text) {
  if (name == nullptr) return;
  char* copy = text != nullptr ? duplicate(text) : nullptr;
  void* earlier = table.getPointer(name);
  try {
    table.put(name, static_cast<void*>(copy));
  } catch (...) {
    std::free(copy);
    throw;
  }
  std::free(earlier);
}

/// Frees the copies held by the pointer entries of `table`; entries of
/// other types own nothing outside the table. The entries stay.
inline void freeCopies(StdHashTable& table) {
  for (bool more = table.firstElement() != nullptr; more;
       more = table.nextElement() != nullptr) {
    if (table.getType() == DATATYPE_POINTER) std::free(table.getPointer());
  }
}

/// Frees the copies of `table`'s pointer entries and deletes the table.
inline void deleteTable(StdHashTable* table) {
  freeCopies(*table);
  delete table;
}

}  // namespace owned_text
