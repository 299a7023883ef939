#include "tolvex/foundation/i_hash_table.h"

IHashTable::~IHashTable() = default;
