#pragma once

// StorageFactory: makes pointer vectors and typed name tables for callers
// that hold them through their interfaces.

#include "tolvex/export.h"
#include "tolvex/foundation/i_hash_table.h"
#include "tolvex/foundation/i_vector.h"

/// A holder of two static operations; it has no instances.
/// Thread-safety: safe to call from any thread.
class TOLVEX_API StorageFactory {
 public:
  StorageFactory() = delete;

  /// A new, empty StdVector. `name` is ignored. The caller deletes it
  /// through IVector.
  static IVector* createVector(const char* name);
  /// A new, empty StdHashTable. `name` is ignored. The caller deletes it
  /// through IHashTable.
  static IHashTable* createHashTable(const char* name);
};
