#include "tolvex/foundation/storage_factory.h"

#include "tolvex/foundation/std_hash_table.h"
#include "tolvex/foundation/std_vector.h"

IVector* StorageFactory::createVector(const char* /*name*/) {
  return new StdVector();
}

IHashTable* StorageFactory::createHashTable(const char* /*name*/) {
  return new StdHashTable();
}
