#include "tolvex/protocol/fix_defs.h"

// One definition per constant, expanded from the rows of the table, even
// where two names share a value: clients may take a constant's address, and
// each name is its own exported object.
#define TOLVEX_FIX_TAG(NAME, TEXT) const char* IFixDefs::FLDTAG_##NAME = TEXT;
#define TOLVEX_FIX_MSGTYPE(NAME, TEXT) \
  const char* IFixDefs::MSGTYPE_##NAME = TEXT;
#define TOLVEX_FIX_TEXT_VALUE(SET, NAME, TEXT) \
  const char* IFixDefs::SET##_##NAME = TEXT;
#define TOLVEX_FIX_INT_VALUE(SET, NAME, NUMBER) \
  const int IFixDefs::SET##_##NAME = NUMBER;
#define TOLVEX_FIX_VALUES_OF(SET, TAG)
#include "tolvex/protocol/fix_defs_table_internal.h"
